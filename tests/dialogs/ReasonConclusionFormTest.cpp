#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "DialogTestSuites.h"
#include "DialogTestSupport.h"
#include "dialogs/RadioGroup.h"
#include "dialogs/ReasonConclusionForm.h"

namespace palaver::test {

namespace {

constexpr auto Issue = TStatementType::Issue;
constexpr auto Assumption = TStatementType::Assumption;

}  // namespace

class ReasonConclusionFormTest : public QObject {
  Q_OBJECT

 private:
  std::optional<TDialogWorld> World;
  std::optional<TReasonConclusionForm> Form;

  void OpenForm() {
    World->SkipLog();
    QVERIFY(Open(*Form));
  }

 private slots:
  void init() {
    World.emplace();
    Form.emplace(*World->Core);
  }
  void cleanup() {
    Form.reset();
    World.reset();
  }

  void opensWithThePresetsAndTabsThroughTheControlsInOrder() {
    World->Say("b", Issue);
    OpenForm();
    QCOMPARE(World->NewLogLines(), (QStringList{"", "REASON/CONCLUSION FORM"}));
    QCOMPARE(Form->ConclusionComboBox->currentText(), QStringLiteral("<conclusion>"));
    QCOMPARE(Form->ReasonComboBox->currentText(), QStringLiteral("<reason>"));
    QCOMPARE(Form->ConclusionTypeRadioGroup->ItemIndex(), 0);
    QCOMPARE(Form->ReasonTypeRadioGroup->ItemIndex(), 1);
    QCOMPARE(Form->ReasonComboBox->ListedSentences(), std::vector<std::string>{"b"});

    const std::vector<QWidget*> Order = {Form->ConclusionComboBox,
                                         Form->ReasonComboBox,
                                         Form->ConclusionTypeRadioGroup->Button(0),
                                         Form->ReasonTypeRadioGroup->Button(1),
                                         Form->AddStepWarrantAsIssueCheckBox,
                                         Form->AddStepWarrantAsAssumptionCheckBox,
                                         Form->OKButton,
                                         Form->CancelButton,
                                         Form->DeleteButton,
                                         Form->ConclusionComboBox};
    QCOMPARE(Focused(), Order[0]);
    for (std::size_t I = 1; I < Order.size(); ++I) {
      Press(Qt::Key_Tab);
      QCOMPARE(Focused(), Order[I]);
    }
    // Leaving the warrant box with both boxes unchecked writes nothing.
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Conclusion (combobox): <conclusion>", "Reason (combobox): <reason>"}));
  }

  void okMakesTheConnectionAndThenTheStepWarrant() {
    OpenForm();
    World->SkipLog();
    Type("b");
    Press(Qt::Key_Tab);
    Type("a");
    Click(Form->AddStepWarrantAsIssueCheckBox);
    Click(Form->OKButton);
    QVERIFY(!Form->isVisible());
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Conclusion (combobox): b", "Reason (combobox): a",
                          "Add Step Warrant As Issue (checkbox)",
                          "Step warrant: add as issue (groupbox)", "OK (button)",
                          "    Conclusion: ?: b", "    Reason:     !: a", ""}));
    QCOMPARE(World->Transcript(), (QStringList{"CONCLUSION", "  ?: b", "REASON", "  !: a", "",
                                               "STATEMENT", "  ?: (IF a, THEN b)", ""}));
  }

  void aWarrantALineWouldCutRefusesTheWholeMove() {
    // Reason and conclusion fit a line each; the warrant built from them is one byte too long.
    const QString Conclusion(2040, QChar('c'));
    const QString Reason(2040, QChar('r'));
    OpenForm();
    Paste(Conclusion);
    Press(Qt::Key_Tab);
    Paste(Reason);
    Click(Form->AddStepWarrantAsIssueCheckBox);
    World->SkipLog();
    Click(Form->OKButton);
    QVERIFY(Form->isVisible());
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Step warrant: add as issue (groupbox)", "OK (button)",
                          "Message: Sentence too long; Answer: OK"}));
    QCOMPARE(World->Platform.Boxes.Shown.back().Text,
             std::string("\r\nThe step warrant would be too long to be saved: 4,092 characters, "
                         "where a statement may be at most 4,091 characters long. \r\nShorten the "
                         "reason or the conclusion, or do not add the warrant. \r\n(A letter with "
                         "an accent counts as two characters here, some other signs as three or "
                         "four.) "));
    QCOMPARE(World->Moves(), 0);
    QCOMPARE(Form->ConclusionComboBox->currentText(), Conclusion);
    QCOMPARE(Form->ReasonComboBox->currentText(), Reason);

    // One character less, and the connection and its warrant are made, the warrant whole.
    Click(Form->ReasonComboBox);
    Press(Qt::Key_End);
    Press(Qt::Key_Backspace);
    Click(Form->OKButton);
    QVERIFY(!Form->isVisible());
    const QString Warrant = "(IF " + Reason.chopped(1) + ", THEN " + Conclusion + ")";
    QCOMPARE(Warrant.size(), 4091);
    QCOMPARE(World->Statements(),
             (QStringList{"?" + Conclusion, "!" + Reason.chopped(1), "?" + Warrant}));
  }

  void theWarrantIsBuiltInTheCurrentLanguage() {
    State().Language = TLanguage::Dutch;
    OpenForm();
    QCOMPARE(Form->ConclusionComboBox->currentText(), QStringLiteral("<conclusie>"));
    QCOMPARE(Form->ReasonComboBox->currentText(), QStringLiteral("<reden>"));
    Type("b");
    Press(Qt::Key_Tab);
    Type("a");
    Click(Form->AddStepWarrantAsAssumptionCheckBox);
    Press(Qt::Key_Return);
    QCOMPARE(World->Statements(), (QStringList{"?b", "!a", "!(ALS a, DAN b)"}));
  }

  void theCheckBoxesExcludeEachOtherAndAreUncheckedOnOpening() {
    OpenForm();
    Click(Form->AddStepWarrantAsAssumptionCheckBox);
    World->SkipLog();
    Click(Form->AddStepWarrantAsIssueCheckBox);
    QCOMPARE(World->NewLogLines(), (QStringList{"Add Step Warrant As Issue (checkbox)",
                                                "Add Step Warrant As Assumption (checkbox)"}));
    QVERIFY(Form->AddStepWarrantAsIssueCheckBox->isChecked());
    QVERIFY(!Form->AddStepWarrantAsAssumptionCheckBox->isChecked());
    // Unchecking the only checked box leaves both unchecked.
    Press(Qt::Key_Space);
    QCOMPARE(World->NewLogLines(), QStringList{"Add Step Warrant As Issue (checkbox)"});
    QVERIFY(!Form->AddStepWarrantAsAssumptionCheckBox->isChecked());
    Press(Qt::Key_Space);
    Click(Form->ReasonTypeRadioGroup->Button(0));
    Press(Qt::Key_Escape);
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Add Step Warrant As Issue (checkbox)",
                          "Step warrant: add as issue (groupbox)", "Reason type (radiogroup): ?",
                          "Cancel (button)", "    Conclusion: ?: <conclusion>",
                          "    Reason:     ?: <reason>", ""}));

    // The box kept its tick and the reason its type until the dialog opens again.
    QVERIFY(Form->AddStepWarrantAsIssueCheckBox->isChecked());
    QVERIFY(Open(*Form));
    QCOMPARE(World->NewLogLines(),
             (QStringList{"", "REASON/CONCLUSION FORM", "Reason type (radiogroup): !",
                          "Add Step Warrant As Issue (checkbox)"}));
    QVERIFY(!Form->AddStepWarrantAsIssueCheckBox->isChecked());
  }

  void onlyTheReasonsTypeIsPreset() {
    World->Say("a", Issue);
    World->Say("b", Assumption);
    OpenForm();
    World->SkipLog();
    PALAVER_PICK(Form->ConclusionComboBox, "b");
    QCOMPARE(Form->ConclusionTypeRadioGroup->ItemIndex(), 0);
    Press(Qt::Key_Tab);
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Conclusion combobox: drop down", "Conclusion (combobox): b"}));
    PALAVER_PICK(Form->ReasonComboBox, "a");
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Reason combobox: drop down", "Reason type (radiogroup): ?"}));

    // The conclusion keeps the type the user left it at; the move asks about it. Refusing the
    // connection still offers the warrant as a statement of its own.
    Click(Form->AddStepWarrantAsAssumptionCheckBox);
    World->Platform.Boxes.Answers = {TAnswer::No};
    Click(Form->OKButton);
    QVERIFY(!Form->isVisible());
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Reason (combobox): a", "Add Step Warrant As Assumption (checkbox)",
                          "Step warrant: add as assumption (groupbox)", "OK (button)",
                          "Message: Reason/conclusion type overruling; Answer: No",
                          "    Conclusion: ?: b", "    Reason:     ?: a", ""}));
    QCOMPARE(World->Statements(), (QStringList{"?a", "!b", "!(IF a, THEN b)"}));
    QCOMPARE(World->Moves(), 3);
  }

  void deleteClosesOnlyAfterTheConnectionWasDeleted() {
    World->Connect("a", Assumption, "b", Issue);
    OpenForm();
    Type("a");
    Press(Qt::Key_Tab);
    Type("b");
    World->SkipLog();
    Click(Form->DeleteButton);
    QVERIFY(Form->isVisible());
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Reason (combobox): b", "Delete (button)",
                          "Message: Deletion of non-existing reason/conclusion"}));
    QCOMPARE(Form->ConclusionComboBox->currentText(), QStringLiteral("a"));
    QCOMPARE(Form->ReasonComboBox->currentText(), QStringLiteral("b"));

    Click(Form->ConclusionComboBox);
    Type("b");  // entering selected the whole text
    Click(Form->ReasonComboBox);
    Type("a");
    World->SkipLog();
    Click(Form->DeleteButton);
    QVERIFY(!Form->isVisible());
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Reason (combobox): a", "Delete (button)",
                          "Message: Deletion; Answer: Yes", "Delete reason/conclusion",
                          "    Conclusion: ?: b", "    Reason:     !: a", ""}));
    QCOMPARE(World->Transcript(),
             (QStringList{"STATEMENT", "  ?: b", "", "STATEMENT", "  !: a", ""}));
  }

  void dutchCaptionsAndBackToEnglish() {
    Form->ApplyCaptions(TLanguage::English);
    const QStringList English = CaptionsOf(*Form);
    World->SkipLog();
    Form->ApplyCaptions(TLanguage::Dutch);
    // Emptying the groups is no click.
    QCOMPARE(World->NewLogLines(), QStringList{});
    QCOMPARE(CaptionsOf(*Form),
             (QStringList{"Reden/conclusie", "Tik of kies een conclusie:", "Type &conclusie",
                          "Kwestie", "Aanname", "Tik of kies een reden:", "Type &reden", "Kwestie",
                          "Aanname", "Grond voor de reden/conclusie-stap", "Voeg als &kwestie toe",
                          "Voeg als &aanname toe", "&OK", "Annuleren", "&Verwijder"}));
    QCOMPARE(Form->ConclusionTypeRadioGroup->ItemIndex(), -1);
    QCOMPARE(Form->ReasonTypeRadioGroup->ItemIndex(), -1);
    Form->ApplyCaptions(TLanguage::English);
    QCOMPARE(CaptionsOf(*Form), English);
    QCOMPARE(English.first(), QStringLiteral("Reason/conclusion"));

    // Both groups were emptied, so opening selects in both and logs both, reason first.
    OpenForm();
    QCOMPARE(World->NewLogLines(),
             (QStringList{"", "REASON/CONCLUSION FORM", "Reason type (radiogroup): !",
                          "Conclusion type (radiogroup): ?"}));
    // The new items still come in the tab order.
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), Form->ConclusionTypeRadioGroup->Button(0));
  }

 private:
  static QStringList CaptionsOf(const TReasonConclusionForm& F) {
    return QStringList{F.windowTitle(), F.Label2->text(), F.ConclusionTypeRadioGroup->title()} +
           F.ConclusionTypeRadioGroup->Items() +
           QStringList{F.Label1->text(), F.ReasonTypeRadioGroup->title()} +
           F.ReasonTypeRadioGroup->Items() +
           QStringList{F.StepWarrantGroupBox->title(),
                       F.AddStepWarrantAsIssueCheckBox->text(),
                       F.AddStepWarrantAsAssumptionCheckBox->text(),
                       F.OKButton->text(),
                       F.CancelButton->text(),
                       F.DeleteButton->text()};
  }
};

std::unique_ptr<QObject> MakeReasonConclusionFormTest() {
  return std::make_unique<ReasonConclusionFormTest>();
}

}  // namespace palaver::test

#include "ReasonConclusionFormTest.moc"
