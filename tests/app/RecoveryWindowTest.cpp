// The main window's part in the recovery copy: written once a change is shown, removed at a
// normal close, kept when the close fails; the start-up question comes once the window is there.

#include <QPushButton>
#include <filesystem>

#include "GuiTestSupport.h"

using namespace palaver;
using namespace palaver::guitest;

class RecoveryWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void theCopyIsWrittenAfterTheMoveIsShownAndGoesAtANormalClose() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    const std::string Copy = Run.Dir.File("PalaverRecovery0.txt");
    QCOMPARE(Form.Core().RecoveryFilePath(), Copy);

    Form.Core().StatementMove(Issue("a"));
    // Not inside the move: from the event loop, after the drawing the move asked for.
    QVERIFY(!std::filesystem::exists(Copy));
    QTRY_VERIFY(std::filesystem::exists(Copy));

    Run.Boxes.Answers = {TAnswer::No};
    Form.close();
    QVERIFY(!Form.isVisible());
    QVERIFY(!std::filesystem::exists(Copy));
    Run.Form.reset();
    QVERIFY(!std::filesystem::exists(Run.Dir.File("PalaverRecovery0.lock")));
  }

  void aCloseThatFailsAfterNoKeepsTheChangesAndTheCopy() {
    TProgramRun Run;
    std::filesystem::create_directory(Run.SettingsPath());  // a directory cannot be replaced
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Issue("a"));
    QTRY_VERIFY(std::filesystem::exists(Run.Dir.File("PalaverRecovery0.txt")));

    Run.Boxes.Answers = {TAnswer::No, TAnswer::Cancel};
    Form.close();
    QVERIFY(Form.isVisible());
    QVERIFY(Line().Changed);
    QVERIFY(std::filesystem::exists(Run.Dir.File("PalaverRecovery0.txt")));
    // The next close asks again.
    Form.close();
    int Questions = 0;
    for (const auto& Box : Run.Boxes.Shown)
      Questions += Box.Kind == TScriptedMessageBoxes::TKind::WarningYesNoCancel ? 1 : 0;
    QCOMPARE(Questions, 2);
  }

  void theStartUpQuestionComesOnceTheWindowIsShown() {
    TProgramRun Run;
    WriteBytes(Run.Dir.File("PalaverRecovery0.txt"),
               "PALAVER RECOVERY\r\nFileName: New.lin\r\n\r\nSTATEMENT\r\n  ?: a\r\n\r\n");
    Run.Boxes.Answers = {TAnswer::Yes};
    TArgIntForm& Form = Run.Start();
    QVERIFY(Run.Boxes.Shown.empty());
    QTRY_COMPARE(Run.Boxes.Shown.size(), std::size_t{1});
    QCOMPARE(Run.Boxes.Shown[0].Kind, TScriptedMessageBoxes::TKind::Confirmation);
    QCOMPARE(StageStatements(), TLines{"?a"});
    QVERIFY(Form.BackButton->isEnabled());
    QCOMPARE(Form.Title(), std::string("Palaver - New line of argumentation"));
  }
};

PALAVER_GUI_TEST_MAIN(RecoveryWindowTest)
#include "RecoveryWindowTest.moc"
