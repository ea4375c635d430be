#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "DialogTestSuites.h"
#include "DialogTestSupport.h"
#include "dialogs/ExceptionForm.h"
#include "dialogs/RadioGroup.h"

namespace palaver::test {

namespace {

constexpr auto Issue = TStatementType::Issue;
constexpr auto Assumption = TStatementType::Assumption;

}  // namespace

class ExceptionFormTest : public QObject {
  Q_OBJECT

 private:
  std::optional<TDialogWorld> World;
  std::optional<TExceptionForm> Form;

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
    OpenForm();
    QCOMPARE(World->NewLogLines(), (QStringList{"", "EXCEPTION FORM"}));
    QCOMPARE(Form->ExceptionComboBox->currentText(), QStringLiteral("<exception>"));
    QCOMPARE(Form->ConclusionComboBox->currentText(), QStringLiteral("<conclusion>"));
    QCOMPARE(Form->ReasonComboBox->currentText(), QStringLiteral("<reason>"));
    QCOMPARE(Form->ExceptionTypeRadioGroup->ItemIndex(), 1);
    QCOMPARE(Form->ConclusionTypeRadioGroup->ItemIndex(), 0);
    QCOMPARE(Form->ReasonTypeRadioGroup->ItemIndex(), 1);

    const std::vector<QWidget*> Order = {Form->ExceptionComboBox,
                                         Form->ConclusionComboBox,
                                         Form->ReasonComboBox,
                                         Form->ExceptionTypeRadioGroup->Button(1),
                                         Form->ConclusionTypeRadioGroup->Button(0),
                                         Form->ReasonTypeRadioGroup->Button(1),
                                         Form->AddUndercutterWarrantAsIssueCheckBox,
                                         Form->AddUndercutterWarrantAsAssumptionCheckBox,
                                         Form->OKButton,
                                         Form->CancelButton,
                                         Form->DeleteButton};
    QCOMPARE(Focused(), Order[0]);
    for (std::size_t I = 1; I < Order.size(); ++I) {
      Press(Qt::Key_Tab);
      QCOMPARE(Focused(), Order[I]);
      if (Order[I] == Form->AddUndercutterWarrantAsAssumptionCheckBox) Press(Qt::Key_Space);
    }
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Exception (combobox): <exception>",
                          "Conclusion (combobox): <conclusion>", "Reason (combobox): <reason>",
                          "Add Undercutter Warrant As Assuption (checkbox)",
                          "Undercutter warrant: add as assumption (groupbox)"}));
    Click(Form->CancelButton);
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Cancel (button)", "    Exception:  !: <exception>",
                          "    Conclusion: ?: <conclusion>", "    Reason:     !: <reason>", ""}));
  }

  void okMakesTheExceptionMoveAndThenTheUndercutterWarrant() {
    World->Connect("a", Assumption, "b", Issue);
    OpenForm();
    World->SkipLog();
    Type("e");
    Press(Qt::Key_Tab);
    Type("b");
    Press(Qt::Key_Tab);
    Type("a");
    Click(Form->AddUndercutterWarrantAsAssumptionCheckBox);
    Press(Qt::Key_Return);
    QVERIFY(!Form->isVisible());
    QCOMPARE(
        World->NewLogLines(),
        (QStringList{"Exception (combobox): e", "Conclusion (combobox): b", "Reason (combobox): a",
                     "Add Undercutter Warrant As Assuption (checkbox)", "OK (button)",
                     "    Exception:  !: e", "    Conclusion: ?: b", "    Reason:     !: a", ""}));
    QCOMPARE(World->Transcript().mid(5),
             (QStringList{"EXCEPTION", "  !: e", "CONCLUSION", "  ?: b", "REASON", "  !: a", "",
                          "STATEMENT",
                          // One line of the transcript, split only to fit here.
                          // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
                          "  !: (THE STATEMENT THAT e, IS AN EXCEPTION TO THE RULE THAT, IF a, "
                          "THEN b)",
                          ""}));
  }

  void aSentenceALineWouldCutIsRefusedInItsOwnBox() {
    OpenForm();
    Type("e");
    Press(Qt::Key_Tab);
    Type("c");
    Press(Qt::Key_Tab);
    Paste(QString(4092, QChar('r')));
    Click(Form->AddUndercutterWarrantAsAssumptionCheckBox);
    World->SkipLog();
    Click(Form->OKButton);
    QVERIFY(Form->isVisible());
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Undercutter warrant: add as assumption (groupbox)", "OK (button)",
                          "Message: Sentence too long; Answer: OK"}));
    QVERIFY(World->Platform.Boxes.Shown.back().Text.starts_with(
        "\r\nThe reason is too long to be saved: 4,092 characters,"));
    QCOMPARE(World->Moves(), 0);
    QCOMPARE(Form->ReasonComboBox->currentText(), QString(4092, QChar('r')));

    // A reason that fits still makes an undercutter warrant that does not.
    Click(Form->ReasonComboBox);
    Press(Qt::Key_A, Qt::ControlModifier);
    Paste(QString(4050, QChar('r')));
    Click(Form->OKButton);
    QVERIFY(Form->isVisible());
    QVERIFY(World->Platform.Boxes.Shown.back().Text.starts_with(
        "\r\nThe undercutter warrant would be too long to be saved: 4,119 characters,"));
    QCOMPARE(World->Moves(), 0);
    Click(Form->AddUndercutterWarrantAsAssumptionCheckBox);
    Click(Form->OKButton);
    QVERIFY(!Form->isVisible());
    QCOMPARE(World->Moves(), 1);
  }

  void presetsFollowTheExceptionAndTheReasonButNotTheConclusion() {
    World->Say("x", Issue);
    World->Say("y", Assumption);
    OpenForm();
    World->SkipLog();
    Type("x");
    QCOMPARE(World->NewLogLines(), QStringList{"Exception type (radiogroup): ?"});
    Press(Qt::Key_Tab);
    PALAVER_PICK(Form->ConclusionComboBox, "y");
    QCOMPARE(Form->ConclusionTypeRadioGroup->ItemIndex(), 0);
    Press(Qt::Key_Tab);
    Type("x");
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Exception (combobox): x", "Conclusion combobox: drop down",
                          "Conclusion (combobox): y", "Reason type (radiogroup): ?"}));

    // Leaving the reason box does not preset it again: the type chosen by hand stays.
    Click(Form->ReasonTypeRadioGroup->Button(1));
    QCOMPARE(Form->ReasonTypeRadioGroup->ItemIndex(), 1);
    // Leaving the exception box does.
    Click(Form->ExceptionComboBox);
    Click(Form->ExceptionTypeRadioGroup->Button(1));
    Click(Form->ExceptionComboBox);
    Click(Form->CancelButton);
    QCOMPARE(
        World->NewLogLines(),
        (QStringList{"Reason (combobox): x", "Reason type (radiogroup): !",
                     "Exception (combobox): x", "Exception type (radiogroup): !",
                     "Exception (combobox): x", "Exception type (radiogroup): ?", "Cancel (button)",
                     "    Exception:  ?: x", "    Conclusion: ?: y", "    Reason:     !: x", ""}));
  }

  void deleteClosesOnlyAfterTheExceptionWasDeleted() {
    PReasonConclusion C = NewReasonConclusion();
    C->Reason = NewStatement("a", Assumption);
    C->Conclusion = NewStatement("b", Issue);
    C->Exceptions.Add(NewStatement("e", Assumption));
    World->Core->ExceptionMove(C);
    OpenForm();
    Type("f");
    Press(Qt::Key_Tab);
    Type("b");
    Press(Qt::Key_Tab);
    Type("a");
    World->SkipLog();
    Click(Form->DeleteButton);
    QVERIFY(Form->isVisible());
    QCOMPARE(World->NewLogLines(), (QStringList{"Reason (combobox): a", "Delete (button)",
                                                "Message: Deletion of non-existing undercutter"}));

    Click(Form->ExceptionComboBox);
    Type("e");
    World->SkipLog();
    World->Platform.Boxes.Answers = {TAnswer::Yes};
    Click(Form->DeleteButton);
    QVERIFY(!Form->isVisible());
    QCOMPARE(
        World->NewLogLines(),
        (QStringList{"Exception (combobox): e", "Delete (button)", "Message: Deletion; Answer: Yes",
                     "Delete exception", "    Exception:  !: e", "    Conclusion: ?: b",
                     "    Reason:     !: a", ""}));
    QCOMPARE(World->Transcript(), (QStringList{"STATEMENT", "  !: e", "", "CONCLUSION", "  ?: b",
                                               "REASON", "  !: a", ""}));
  }

  void dutchCaptionsAndBackToEnglish() {
    QCOMPARE(Form->Label2->text(), QStringLiteral("Type or choose an exception:"));
    Form->ApplyCaptions(TLanguage::Dutch);
    State().Language = TLanguage::Dutch;
    QCOMPARE(CaptionsOf(*Form),
             (QStringList{"Uitzondering", "Tik of kies een uitzondering:", "Type &uitzondering",
                          "Kwestie", "Aanname", "Tik of kies een conclusie:", "Type &conclusie",
                          "Kwestie", "Aanname", "Tik of kies een reden:", "Type &reden", "Kwestie",
                          "Aanname", "Grond voor uitzonderingsstap", "Voeg als &kwestie toe",
                          "Voeg als &aanname toe", "&OK", "Annuleren", "&Verwijder"}));

    OpenForm();
    QCOMPARE(World->NewLogLines(),
             (QStringList{"", "EXCEPTION FORM", "Exception type (radiogroup): !",
                          "Reason type (radiogroup): !", "Conclusion type (radiogroup): ?"}));
    QCOMPARE(
        (QStringList{Form->ExceptionComboBox->currentText(),
                     Form->ConclusionComboBox->currentText(), Form->ReasonComboBox->currentText()}),
        (QStringList{"<uitzondering>", "<conclusie>", "<reden>"}));
    Type("e");
    Press(Qt::Key_Tab);
    Type("b");
    Press(Qt::Key_Tab);
    Type("a");
    Click(Form->AddUndercutterWarrantAsIssueCheckBox);
    Click(Form->OKButton);
    QCOMPARE(World->Statements().last(),
             QStringLiteral("?(DE BEWERING DAT e, IS EEN UITZONDERING OP DE REGEL DAT ALS a, "
                            "DAN b)"));

    Form->ApplyCaptions(TLanguage::English);
    QCOMPARE(CaptionsOf(*Form),
             (QStringList{"Exception", "Type or choose a exception:", "&Exception type", "Issue",
                          "Assumption", "Type or choose a conclusion:", "&Conclusion type", "Issue",
                          "Assumption", "Type or choose a reason:", "&Reason type", "Issue",
                          "Assumption", "Undercutter warrant", "Add as &issue",
                          "Add as &assumption", "&OK", "Cancel", "&Delete"}));
  }

 private:
  static QStringList CaptionsOf(const TExceptionForm& F) {
    QStringList Result{F.windowTitle()};
    for (auto [Label, Group] : {std::pair{F.Label2, F.ExceptionTypeRadioGroup},
                                std::pair{F.Label5, F.ConclusionTypeRadioGroup},
                                std::pair{F.Label4, F.ReasonTypeRadioGroup}})
      Result << Label->text() << Group->title() << Group->Items();
    return Result << F.UndercutterWarrantGroupBox->title()
                  << F.AddUndercutterWarrantAsIssueCheckBox->text()
                  << F.AddUndercutterWarrantAsAssumptionCheckBox->text() << F.OKButton->text()
                  << F.CancelButton->text() << F.DeleteButton->text();
  }
};

std::unique_ptr<QObject> MakeExceptionFormTest() {
  return std::make_unique<ExceptionFormTest>();
}

}  // namespace palaver::test

#include "ExceptionFormTest.moc"
