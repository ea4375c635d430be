#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "DialogTestSuites.h"
#include "DialogTestSupport.h"
#include "dialogs/RadioGroup.h"
#include "dialogs/StatementForm.h"

namespace palaver::test {

namespace {

constexpr auto Issue = TStatementType::Issue;
constexpr auto Assumption = TStatementType::Assumption;

}  // namespace

class StatementFormTest : public QObject {
  Q_OBJECT

 private:
  std::optional<TDialogWorld> World;
  std::optional<TStatementForm> Form;

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

  void opensPresetFromTheStageAndEscapeCancels() {
    World->Say("b", Issue);
    World->Say("C", Assumption);
    World->Say("a", Issue);
    OpenForm();
    QCOMPARE(World->NewLogLines(), (QStringList{"", "STATEMENT FORM"}));
    QCOMPARE(Form->StatementComboBox->currentText(), QStringLiteral("<statement>"));
    QCOMPARE(Form->StatementTypeRadioGroup->ItemIndex(), 0);
    QCOMPARE(Form->StatementComboBox->ListedSentences(), (std::vector<std::string>{"a", "b", "C"}));
    QVERIFY(Form->StatementComboBox->isAncestorOf(Focused()) ||
            Focused() == Form->StatementComboBox);

    // The whole text was selected on entry, so typing replaces it.
    Type("x");
    QCOMPARE(Form->StatementComboBox->currentText(), QStringLiteral("x"));
    Press(Qt::Key_Escape);
    QVERIFY(!Form->isVisible());
    QCOMPARE(World->NewLogLines(), (QStringList{"Cancel (button)", "    Statement:  ?: x", ""}));
    QCOMPARE(World->Moves(), 3);
  }

  void typingAnAssumptionSwitchesTheTypeWhenTheTextMatches() {
    World->Say("Sun shines", Assumption);
    OpenForm();
    World->SkipLog();
    Type("sun shines");  // another case is another sentence
    QCOMPARE(Form->StatementTypeRadioGroup->ItemIndex(), 0);
    QCOMPARE(World->NewLogLines(), QStringList{});
    Press(Qt::Key_A, Qt::ControlModifier);
    Type("Sun shine");
    QCOMPARE(World->NewLogLines(), QStringList{});
    Type("s");
    QCOMPARE(Form->StatementTypeRadioGroup->ItemIndex(), 1);
    QCOMPARE(World->NewLogLines(), QStringList{"Statement type (radiogroup): !"});

    // Re-adding it is refused, and the dialog closes all the same. The mouse takes the focus
    // to OK first, which leaves the combo box.
    Click(Form->OKButton);
    QVERIFY(!Form->isVisible());
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Statement (combobox): Sun shines", "OK (button)",
                          "Message: Re-adding statement", "    Statement:  !: Sun shines", ""}));
    QCOMPARE(World->Moves(), 1);
  }

  void enterMakesTheStatementMove() {
    OpenForm();
    World->SkipLog();
    Type("It rains");
    Press(Qt::Key_Return);
    QVERIFY(!Form->isVisible());
    QCOMPARE(World->NewLogLines(), (QStringList{"OK (button)", "    Statement:  ?: It rains", ""}));
    QCOMPARE(World->Transcript(), (QStringList{"STATEMENT", "  ?: It rains", ""}));
  }

  void tabAndArrowChooseTheType() {
    OpenForm();
    World->SkipLog();
    Type("x");
    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), Form->StatementTypeRadioGroup->Button(0));
    Press(Qt::Key_Right);
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Statement (combobox): x", "Statement type (radiogroup): !"}));
    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), Form->OKButton);
    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), Form->CancelButton);
    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), Form->DeleteButton);
    Press(Qt::Key_Tab);
    QCOMPARE(Focused(), Form->StatementComboBox);
    QCOMPARE(Form->StatementComboBox->lineEdit()->selectedText(), QStringLiteral("x"));
    Press(Qt::Key_Return);
    QCOMPARE(World->NewLogLines(), (QStringList{"OK (button)", "    Statement:  !: x", ""}));
    QCOMPARE(World->Statements(), QStringList{"!x"});
  }

  void pickingFromTheListIsNotLeavingTheBox() {
    World->Say("b", Assumption);
    World->Say("a", Issue);
    OpenForm();
    World->SkipLog();
    PALAVER_PICK(Form->StatementComboBox, "b");
    QCOMPARE(Form->StatementComboBox->currentText(), QStringLiteral("b"));
    QCOMPARE(World->NewLogLines(),
             (QStringList{"Statement combobox: drop down", "Statement type (radiogroup): !"}));
    Click(Form->CancelButton);
    QCOMPARE(World->NewLogLines(), (QStringList{"Statement (combobox): b", "Cancel (button)",
                                                "    Statement:  !: b", ""}));
    QCOMPARE(World->Moves(), 2);
  }

  void reopeningResetsTextAndType() {
    OpenForm();
    Type("first");
    Click(Form->StatementTypeRadioGroup->Button(1));
    Click(Form->CancelButton);
    World->SkipLog();
    QVERIFY(Open(*Form));
    QCOMPARE(World->NewLogLines(),
             (QStringList{"", "STATEMENT FORM", "Statement type (radiogroup): ?"}));
    QCOMPARE(Form->StatementComboBox->currentText(), QStringLiteral("<statement>"));
    // Clicking the item already selected changes nothing and logs nothing but the exit.
    Click(Form->StatementTypeRadioGroup->Button(0));
    QCOMPARE(World->NewLogLines(), QStringList{"Statement (combobox): <statement>"});
  }

  void refusedDeletionKeepsTheDialogOpen() {
    World->Say("a", Issue);
    OpenForm();
    World->SkipLog();
    Type("b");
    Click(Form->DeleteButton);
    QVERIFY(Form->isVisible());
    QCOMPARE(World->NewLogLines(), (QStringList{"Statement (combobox): b", "Delete (button)",
                                                "Message: Deletion of non-existing statement"}));
    QCOMPARE(Form->StatementComboBox->currentText(), QStringLiteral("b"));

    Click(Form->StatementComboBox);
    Press(Qt::Key_A, Qt::ControlModifier);
    Type("a");
    World->Platform.Boxes.Answers = {TAnswer::No};
    Click(Form->DeleteButton);
    QVERIFY(Form->isVisible());
    QCOMPARE(World->NewLogLines(), (QStringList{"Statement (combobox): a", "Delete (button)",
                                                "Message: Deletion; Answer: No"}));
    QCOMPARE(Form->StatementComboBox->currentText(), QStringLiteral("a"));
    QCOMPARE(World->Statements(), QStringList{"?a"});

    Press(Qt::Key_Space);  // Delete has kept the focus
    QVERIFY(!Form->isVisible());
    QCOMPARE(World->NewLogLines(), (QStringList{"Delete (button)", "Message: Deletion; Answer: Yes",
                                                "Delete statement", "    Statement:  ?: a", ""}));
    QCOMPARE(World->Statements(), QStringList{});
  }

  void closeBoxWritesOnlyTheSummary() {
    OpenForm();
    World->SkipLog();
    Type("half a thought");
    ClickCloseBox(*Form);
    QVERIFY(!Form->isVisible());
    QApplication::processEvents();
    QCOMPARE(World->NewLogLines(), (QStringList{"    Statement:  ?: half a thought", ""}));
    QCOMPARE(World->Moves(), 0);
  }

  void aSentenceALineWouldCutIsRefusedAndOneThatFitsComesBackWhole() {
    // A pasted paragraph one byte longer than a file's line holds after the statement's mark.
    QString Paragraph;
    while (Paragraph.size() < 4092)
      Paragraph += QStringLiteral("A pasted paragraph, sentence after sentence. ");
    Paragraph.truncate(4092);
    OpenForm();
    World->SkipLog();
    Paste(Paragraph);
    Press(Qt::Key_Return);
    QVERIFY(Form->isVisible());
    QCOMPARE(Form->StatementComboBox->currentText(), Paragraph);
    QCOMPARE(World->NewLogLines(),
             (QStringList{"OK (button)", "Message: Sentence too long; Answer: OK"}));
    QCOMPARE(World->Platform.Boxes.Shown.back().Text,
             std::string("\r\nThe statement is too long to be saved: 4,092 characters, where a "
                         "statement may be at most 4,091 characters long. \r\n(A letter with an "
                         "accent counts as two characters here, some other signs as three or "
                         "four.) "));
    QCOMPARE(World->Moves(), 0);

    // The focus and the cursor are where they were, at the end of the text.
    Press(Qt::Key_Backspace);
    Paragraph.chop(1);
    QCOMPARE(Form->StatementComboBox->currentText(), Paragraph);
    Press(Qt::Key_Return);
    QVERIFY(!Form->isVisible());
    QCOMPARE(World->Statements(), QStringList{"?" + Paragraph});

    // Saved and opened again, it is the one statement it was, whole.
    const std::string Path = FromQString(World->Dir.path()) + "/long.lin";
    World->Platform.SaveDialogAnswers = {Path};
    World->Core->SaveAs1Click();
    World->Core->New1Click();
    QCOMPARE(World->Moves(), 0);
    World->Platform.OpenDialogAnswers = {Path};
    World->Core->Open1Click();
    QCOMPARE(World->Statements(), QStringList{"?" + Paragraph});
  }

  void lengthIsCountedInTheBytesTheFileHolds() {
    Form->ApplyCaptions(TLanguage::Dutch);
    State().Language = TLanguage::Dutch;
    // 2,046 letters, each two bytes in the file.
    const QString Accents(2046, QChar(0xE9));
    OpenForm();
    World->SkipLog();
    Paste(Accents);
    Press(Qt::Key_Return);
    QVERIFY(Form->isVisible());
    QCOMPARE(World->Platform.Boxes.Shown.back().Text,
             std::string("\r\nDe bewering is te lang om te bewaren: 4.092 tekens, terwijl een "
                         "bewering hoogstens 4.091 tekens lang mag zijn. \r\n(Een letter met een "
                         "accent telt hier als twee tekens, sommige andere tekens als drie of "
                         "vier.) "));
    QCOMPARE(World->Moves(), 0);
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Return);
    QVERIFY(!Form->isVisible());
    QCOMPARE(World->Statements(), QStringList{"?" + Accents.chopped(1)});
  }

  void dutchCaptionsAndPlaceholder() {
    const QStringList English = CaptionsOf(*Form);
    Form->ApplyCaptions(TLanguage::Dutch);
    State().Language = TLanguage::Dutch;
    QCOMPARE(CaptionsOf(*Form),
             (QStringList{"Bewering", "Tik of kies een bewering:", "Type &bewering", "Kwestie",
                          "Aanname", "&OK", "Annuleren", "&Verwijder"}));
    QCOMPARE(Form->StatementTypeRadioGroup->ItemIndex(), -1);

    OpenForm();
    QCOMPARE(World->NewLogLines(),
             (QStringList{"", "STATEMENT FORM", "Statement type (radiogroup): ?"}));
    QCOMPARE(Form->StatementComboBox->currentText(), QStringLiteral("<bewering>"));
    // The placeholder is a sentence like any other.
    Press(Qt::Key_Return);
    QCOMPARE(World->Transcript(), (QStringList{"STATEMENT", "  ?: <bewering>", ""}));

    Form->ApplyCaptions(TLanguage::English);
    QCOMPARE(CaptionsOf(*Form), English);
  }

 private:
  // The window title, the label, the group's caption and items, and the buttons.
  static QStringList CaptionsOf(const TStatementForm& F) {
    return QStringList{F.windowTitle(), F.Label1->text(), F.StatementTypeRadioGroup->title()} +
           F.StatementTypeRadioGroup->Items() +
           QStringList{F.OKButton->text(), F.CancelButton->text(), F.DeleteButton->text()};
  }
};

std::unique_ptr<QObject> MakeStatementFormTest() {
  return std::make_unique<StatementFormTest>();
}

}  // namespace palaver::test

#include "StatementFormTest.moc"
