// The main window's commands: views, "Show structure only", Back and Forward, the file commands
// and the hidden controls, each through its real button or menu item.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <functional>

#include "GuiTestSupport.h"
#include "app/DiagramPaintBox.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

// A run with logging on, so that every command's log text can be read back.
struct TLoggedRun : TProgramRun {
  TLoggedRun() {
    WriteSettings("[Options]\r\nLogging=On\r\n");
    Start();
  }
  std::size_t Mark() const { return LoggedSinceShow().size(); }
};

bool HasIcons(const TDiagramPicture& Picture) {
  for (const TDiagramPrimitive& P : Picture.Primitives())
    if (P.Kind == TPrimitiveKind::Icon) return true;
  return false;
}

bool AllDrawnInBlack(const TDiagramPicture& Picture) {
  for (const TDiagramPrimitive& P : Picture.Primitives()) {
    if ((P.Kind == TPrimitiveKind::Box || P.Kind == TPrimitiveKind::Line) &&
        !(P.Pen.Colour == BlackColour))
      return false;
    if (P.Kind == TPrimitiveKind::Text &&
        (!(P.Font.Colour == BlackColour) || P.Font.Style != TFontStyle::Regular))
      return false;
  }
  return true;
}

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void eachViewCommandLogsAndShowsItsViewAlone() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    Form.Core().StatementMove(Issue("a"));

    const struct {
      std::function<void()> Command;
      const char* Log;
      TSpeedButton* Button;
      QWidget* View;
    } Commands[] = {
        {[&] { Form.ViewStatements2SpeedButton->click(); }, "View statements (button)",
         Form.ViewStatements2SpeedButton, Form.DialArgsPaintBox},
        {[&] { Form.ViewDialArgsSpeedButton->click(); }, "View arguments (button)",
         Form.ViewDialArgsSpeedButton, Form.DialArgsPaintBox},
        {[&] { Form.ViewLineOfArgumentationSpeedButton->click(); }, "View line of arg. (button)",
         Form.ViewLineOfArgumentationSpeedButton, Form.LineOfArgumentationRichEdit},
        {[&] { Form.Statements1->trigger(); }, "View statements (menu)",
         Form.ViewStatements2SpeedButton, Form.DialArgsPaintBox},
        {[&] { Form.Lineofargumentation1->trigger(); }, "View line of arg. (menu)",
         Form.ViewLineOfArgumentationSpeedButton, Form.LineOfArgumentationRichEdit},
        {[&] { Form.Arguments1->trigger(); }, "View arguments (menu)", Form.ViewDialArgsSpeedButton,
         Form.DialArgsPaintBox},
    };
    for (const auto& Each : Commands) {
      const std::size_t Mark = Run.Mark();
      Each.Command();
      QCOMPARE(Run.LoggedAfter(Mark), TLines({Each.Log}));
      for (TSpeedButton* Button : {Form.ViewStatements2SpeedButton, Form.ViewDialArgsSpeedButton,
                                   Form.ViewLineOfArgumentationSpeedButton})
        QCOMPARE(Button->Down(), Button == Each.Button);
      for (QWidget* View : {static_cast<QWidget*>(Form.DialArgsPaintBox),
                            static_cast<QWidget*>(Form.LineOfArgumentationRichEdit)})
        QCOMPARE(View->isVisible(), View == Each.View);
    }
    QVERIFY(Form.ViewDialArgsSpeedButton->Down());

    // Clicking the button that is down keeps it down.
    Form.ViewDialArgsSpeedButton->click();
    QVERIFY(Form.ViewDialArgsSpeedButton->Down());
  }

  void lineOfArgumentationViewShowsTheTranscript() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    Form.Core().StatementMove(Assumption("a"));
    Form.Core().ReasonConclusionMove(Connection(Issue("b"), Assumption("a")));
    Form.ViewLineOfArgumentationSpeedButton->click();

    QCOMPARE(Form.LineOfArgumentationRichEdit->toPlainText(),
             QStringLiteral("STATEMENT\n  !: a\n\nCONCLUSION\n  !: a\nREASON\n  ?: b\n"));
    QVERIFY(Form.LineOfArgumentationRichEdit->isReadOnly());
  }

  void showStructureOnlyTogglesAndRedraws() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    Form.Core().StatementMove(Issue("a"));
    QVERIFY(HasIcons(Form.DialArgsPaintBox->Picture()));

    Form.ShowStructureOnly->trigger();
    QVERIFY(Form.ShowStructureOnly->isChecked());
    QCOMPARE(Run.LoggedSinceShow(), TLines({"Options show structure only (menu)"}));
    QVERIFY(!HasIcons(Form.DialArgsPaintBox->Picture()));
    QVERIFY(AllDrawnInBlack(Form.DialArgsPaintBox->Picture()));

    Form.ShowStructureOnly->trigger();
    QVERIFY(!Form.ShowStructureOnly->isChecked());
    QVERIFY(HasIcons(Form.DialArgsPaintBox->Picture()));
    QVERIFY(!AllDrawnInBlack(Form.DialArgsPaintBox->Picture()));
  }

  void backAndForwardStepThroughTheMoves() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    Form.Core().StatementMove(Issue("a"));
    QVERIFY(Form.BackButton->isEnabled());
    QVERIFY(Form.Back2->isEnabled());
    Form.Core().StatementMove(Assumption("b"));

    Form.BackButton->click();
    QCOMPARE(StageStatements(), TLines({"?a"}));
    QVERIFY(Form.ForwardButton->isEnabled());
    QVERIFY(Form.Forward2->isEnabled());
    QVERIFY(Form.BackButton->isEnabled());

    Form.Back2->trigger();
    QCOMPARE(StageStatements(), TLines());
    QVERIFY(!Form.BackButton->isEnabled());
    QVERIFY(!Form.Back2->isEnabled());

    Form.ForwardButton->click();
    QCOMPARE(StageStatements(), TLines({"?a"}));
    Form.Forward2->trigger();
    QCOMPARE(StageStatements(), TLines({"?a", "!b"}));
    QVERIFY(!Form.ForwardButton->isEnabled());
    QVERIFY(!Form.Forward2->isEnabled());
    QVERIFY(Line().Changed);
    QCOMPARE(Run.LoggedSinceShow(),
             TLines({"Back (button)", "Back (menu)", "Forward (button)", "Forward (menu)"}));
    // The diagram stayed the view, redrawn after each step.
    QVERIFY(Form.ViewDialArgsSpeedButton->Down());
    QVERIFY(Form.DialArgsPaintBox->isVisible());
    QVERIFY(Form.DialArgsPaintBox->SurfaceHeight() > 0);
  }

  // Back and Forward read the moves back from the view; a sentence that is not UTF-8 (an old
  // file in a single-byte code page) must come back byte for byte, not as the display shows it.
  void backAndForwardKeepTheBytesOfEverySentence() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    const std::string Latin1 = "caf\xe9 cr\xe8me";
    Form.Core().StatementMove(Issue(Latin1));
    Form.Core().StatementMove(Issue("b"));
    Form.Back2->trigger();
    Form.Forward2->trigger();
    QCOMPARE(StageStatements(), TLines({"?" + Latin1, "?b"}));
  }

  void saveAsSaveOpenAndNew() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    const std::string Path = Run.Dir.File("first.lin");
    Form.Core().StatementMove(Issue("a"));

    Run.Dialogs.Answers = {Path};
    Form.SaveAs1->trigger();
    QCOMPARE(Run.Dialogs.Shown.at(0).Name, std::string("SaveDialog1"));
    QVERIFY(Run.Dialogs.Shown.at(0).Save);
    QCOMPARE(Run.Dialogs.Shown.at(0).Options.DefaultExtension, std::string("lin"));
    QCOMPARE(Form.windowTitle(), QStringLiteral("Palaver - first.lin"));
    QCOMPARE(ReadBytes(Path), std::string("STATEMENT\r\n  ?: a\r\n\r\nCURRENT POSITION\r\n\r\n"));

    Form.Core().StatementMove(Issue("b"));
    Form.Save1->trigger();
    QVERIFY(!Line().Changed);
    QVERIFY(ReadBytes(Path).find("  ?: b") != std::string::npos);

    Form.New1->trigger();
    QCOMPARE(Form.windowTitle(), QStringLiteral("Palaver - New line of argumentation"));
    QVERIFY(!Form.BackButton->isEnabled());
    QCOMPARE(StageStatements(), TLines());

    Run.Dialogs.Answers = {Path};
    Form.Open1->trigger();
    QCOMPARE(Run.Dialogs.Shown.back().Name, std::string("OpenDialog1"));
    QVERIFY(!Run.Dialogs.Shown.back().Save);
    QCOMPARE(Form.windowTitle(), QStringLiteral("Palaver - first.lin"));
    QCOMPARE(StageStatements(), TLines({"?a", "?b"}));
    QVERIFY(Form.BackButton->isEnabled());
    QVERIFY(!Line().Changed);
    // The replay ends with the selected view drawn again.
    QVERIFY(Form.DialArgsPaintBox->isVisible());
    QVERIFY(!Form.LineOfArgumentationRichEdit->isVisible());

    QCOMPARE(Run.LoggedSinceShow(),
             TLines({"File save as (menu)", "Save file as: " + Path, "File save (menu)",
                     "Save file: " + Path, "File new (menu)", "File open (menu)",
                     "Open file: " + Path}));
  }

  void newAsksAboutUnsavedChanges() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    Form.Core().StatementMove(Issue("a"));

    Run.Boxes.Answers = {TAnswer::Cancel};
    Form.New1->trigger();
    QCOMPARE(StageStatements(), TLines({"?a"}));

    Run.Boxes.Answers = {TAnswer::No};
    Form.New1->trigger();
    QCOMPARE(StageStatements(), TLines());
    QCOMPARE(Run.Boxes.Shown.size(), std::size_t{2});
    QCOMPARE(Run.LoggedSinceShow(),
             TLines({"File new (menu)", "File new (menu)", "Message: Save changes; Answer: No"}));
  }

  void appendAddsTheFileMovesUnderTheTitleAppend() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    Form.Core().StatementMove(Issue("first"));
    Run.Dialogs.Answers = {DataFile("transcript-worked-example.lin")};

    Form.Append1->trigger();
    QCOMPARE(Run.Dialogs.Shown.at(0).Options.Title, std::string("Append"));
    QCOMPARE(Run.Dialogs.Shown.at(0).Name, std::string("OpenDialog1"));
    QCOMPARE(StageStatements().front(), std::string("?first"));
    QVERIFY(StageStatements().size() > 1);
    QCOMPARE(Form.windowTitle(), QStringLiteral("Palaver - New line of argumentation"));
    QCOMPARE(Run.LoggedSinceShow(),
             TLines({"File append (menu)",
                     "Append file: " + DataFile("transcript-worked-example.lin")}));
  }

  void aFileThatCannotBeOpenedIsReportedAndNothingChanges() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    Form.Core().StatementMove(Issue("a"));
    Line().Changed = false;
    const std::string Missing = Run.Dir.File("missing.lin");
    Run.Dialogs.Answers = {Missing};

    Form.Open1->trigger();
    QCOMPARE(Run.Boxes.Shown.size(), std::size_t{1});
    QCOMPARE(Run.Boxes.Shown[0].Kind, TScriptedMessageBoxes::TKind::Error);
    QCOMPARE(Run.Boxes.Shown[0].Text, "Cannot open file " + Missing);
    QCOMPARE(StageStatements(), TLines({"?a"}));
    QCOMPARE(Form.windowTitle(), QStringLiteral("Palaver - New line of argumentation"));
    // The program goes on: the next command works.
    Form.ViewStatements2SpeedButton->click();
    QVERIFY(Form.ViewStatements2SpeedButton->Down());
  }

  void dutchFileDialogsAreUsedInDutch() {
    TProgramRun Run;
    Run.WriteSettings("[Options]\r\nLanguage=Dutch\r\n");
    TArgIntForm& Form = Run.Start();
    Form.Open1->trigger();
    Form.SaveAs1->trigger();
    QCOMPARE(Run.Dialogs.Shown.at(0).Name, std::string("OpenDialogWithDutchFilters"));
    QCOMPARE(Run.Dialogs.Shown.at(0).Options.Filters.at(1).Description,
             std::string("Alle bestanden (*.*)"));
    QCOMPARE(Run.Dialogs.Shown.at(1).Name, std::string("SaveDialogWithDutchFilters"));
    QCOMPARE(Run.Dialogs.Shown.at(1).Options.Filters.at(1).Description,
             std::string("Ale bestanden (*.*)"));
  }

  // The commands that open dialogs are tested with their dialogs (DialogsWiringTest).
  void inertCommandsLogNothingAndDoNoHarm() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    Form.ProsCons1->trigger();
    Form.ViewUndercuttersSpeedButton->click();
    QCOMPARE(Run.LoggedSinceShow(), TLines());
    QVERIFY(Run.Boxes.Shown.empty());
  }

  void switchingLanguageTwiceRestoresEveryCaption() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;

    Form.SwitchLanguageMenuItem->trigger();
    QCOMPARE(State().Language, TLanguage::Dutch);
    QCOMPARE(Form.windowTitle(), QStringLiteral("Palaver - Nieuw betoog"));
    QCOMPARE(Form.BackButton->text(), QStringLiteral("&Vorige"));
    QCOMPARE(Form.Lineofarg1->title(), QStringLiteral("Be&toog"));

    Form.SwitchLanguageMenuItem->trigger();
    QCOMPARE(State().Language, TLanguage::English);
    QCOMPARE(Form.windowTitle(), QStringLiteral("Palaver - New line of argumentation"));
    QCOMPARE(Form.BackButton->text(), QStringLiteral("&Back"));
    QCOMPARE(Form.Lineofarg1->title(), QStringLiteral("&Line of arg."));
    QCOMPARE(Run.LoggedSinceShow(), TLines({"Switch language (menu)", "Switch language (menu)"}));

    // A title that names a file stays as it is.
    Form.SetTitle("Palaver - x.lin");
    Form.SwitchToDutch();
    QCOMPARE(Form.windowTitle(), QStringLiteral("Palaver - x.lin"));
  }

  void hiddenViewButtonsLeaveTheVisibleButtonDown() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();

    Form.ViewArgumentsSpeedButton->click();
    QVERIFY(Form.ArgumentsTreeView->isVisible());
    QVERIFY(!Form.DialArgsPaintBox->isVisible());
    QVERIFY(Form.ViewArgumentsSpeedButton->Down());
    QVERIFY(Form.ViewDialArgsSpeedButton->Down());

    Form.ViewReasonsSpeedButton->click();
    QVERIFY(Form.ReasonsListView->isVisible());
    QVERIFY(!Form.ViewArgumentsSpeedButton->Down());
    QVERIFY(Form.ViewDialArgsSpeedButton->Down());

    // The next refresh shows the visible button's view again.
    Form.FormActivate();
    QVERIFY(Form.DialArgsPaintBox->isVisible());
    QVERIFY(!Form.ReasonsListView->isVisible());

    Form.ViewStepsSpeedButton->click();
    QVERIFY(Form.DialArgsPaintBox->isVisible());
    Form.ViewStatementsSpeedButton->click();
    QVERIFY(Form.StatementsListView->isVisible());
    Form.Reasons1->trigger();
    QVERIFY(Form.ReasonsListView->isVisible());
    Form.Button2->click();
    QVERIFY(Form.ArgumentsTreeView->isVisible());
  }

  void button1AddsALabelEachClick() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    Form.Button1->click();
    Form.Button1->click();
    const QList<QLabel*> Labels = Form.ButtonPanel->findChildren<QLabel*>();
    QCOMPARE(Labels.size(), 2);
    QCOMPARE(Labels[0]->text(), QStringLiteral("Kwaak"));
    QCOMPARE(Labels[0]->geometry(), QRect(75, 250, 200, 200));
    QVERIFY(Labels[1]->isVisible());
  }
};

PALAVER_GUI_TEST_MAIN(CommandsTest)
#include "CommandsTest.moc"
