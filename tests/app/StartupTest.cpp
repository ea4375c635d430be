// Start-up, the settings file and shutdown, against the real main window.

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <filesystem>

#include "GuiTestSupport.h"
#include "app/DiagramPaintBox.h"
#include "app/ScrollBox.h"
#include "views/DiagramLayout.h"

using namespace palaver;
using namespace palaver::guitest;

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void firstRunShowsAnEmptyDiagramInEnglish() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();

    QCOMPARE(Form.windowTitle(), QStringLiteral("Palaver - New line of argumentation"));
    QVERIFY(Form.ViewDialArgsSpeedButton->Down());
    QVERIFY(!Form.ViewStatements2SpeedButton->Down());
    QVERIFY(!Form.ViewLineOfArgumentationSpeedButton->Down());
    QVERIFY(Form.DialArgsPaintBox->isVisible());
    QVERIFY(!Form.LineOfArgumentationRichEdit->isVisible());
    QCOMPARE(Form.DialArgsPaintBox->SurfaceHeight(), 0);
    QCOMPARE(Form.DialArgsPaintBox->SurfaceWidth(), StartupSurfaceWidth);
    for (QObject* Control :
         {static_cast<QObject*>(Form.BackButton), static_cast<QObject*>(Form.ForwardButton)})
      QVERIFY(!qobject_cast<QWidget*>(Control)->isEnabled());
    QVERIFY(!Form.Back2->isEnabled());
    QVERIFY(!Form.Forward2->isEnabled());
    QVERIFY(Form.Save1->isEnabled());
    QVERIFY(Form.SaveAs1->isEnabled());
    QVERIFY(!Form.ShowStructureOnly->isChecked());
    QCOMPARE(Form.focusWidget(), Form.StatementButton);
    QCOMPARE(State().Language, TLanguage::English);
    QVERIFY(!State().LoggingOn);
    QVERIFY(State().SavingAllowed);
    QCOMPARE(Line().FileName, std::string("New.lin"));
    QVERIFY(!std::filesystem::exists(Run.Dir.File("PalaverUserAction0.log")));

    Form.close();
    QVERIFY(!Form.isVisible());
    QCOMPARE(Run.Settings(),
             std::string("[Options]\r\nLanguage=English\r\nLogging=Off\r\nSavingOk=Yes\r\n"));
  }

  // In logical pixels, so it holds on a high-resolution screen too.
  void layoutHasTheDesignedSizes() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();

    // The panel is at least as wide as designed, wider where its captions need it ("Forward",
    // "Volgende" and "Reason/conclusion" do in the default font); the scroll area keeps its
    // designed width and the window grows with the panel.
    const int PanelWidth = Form.ButtonPanel->width();
    QVERIFY(PanelWidth >= ButtonPanelWidth);
    QCOMPARE(Form.width(), PanelWidth + MainWindowWidth - ButtonPanelWidth);
    QCOMPARE(Form.centralWidget()->height() + Form.StatusBar1->height(), MainWindowHeight);
    QCOMPARE(Form.StatusBar1->height(), 17);
    QCOMPARE(Form.ScrollBox1->width(), MainWindowWidth - ButtonPanelWidth);
    QCOMPARE(Form.ViewGroupBox->geometry(), QRect(8, 128, PanelWidth - 16, 113));
    QCOMPARE(Form.LineOfArgGroupBox->pos(), QPoint(8, 248));
    // Back and Forward, side by side or one above the other, never overlap.
    QVERIFY(!Form.BackButton->geometry().intersects(Form.ForwardButton->geometry()));
    QCOMPARE(Form.BackButton->size(), Form.ForwardButton->size());
    QCOMPARE(Form.LineOfArgumentationRichEdit->size(), Form.ScrollBox1->size());
    QCOMPARE(Form.font().pointSize(), 8);
    QVERIFY(!Form.LineOfArgumentationRichEdit->frameWidth());
  }

  void hiddenControlsExistButStayHidden() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();

    for (const char* Name :
         {"Button1", "ViewStatementsSpeedButton", "ViewReasonsSpeedButton",
          "ViewArgumentsSpeedButton", "ViewStepsSpeedButton", "ViewUndercuttersSpeedButton",
          "DebugMemo", "Button2", "ProsConsButton", "StatementsListView", "ReasonsListView",
          "ArgumentsTreeView", "DialArgsRichEdit"}) {
      auto* Control = Form.findChild<QWidget*>(QString::fromLatin1(Name));
      QVERIFY2(Control != nullptr, Name);
      QVERIFY2(!Control->isVisible(), Name);
    }
    // "&Print..." is a command now; the print dialog covers "P&rint Setup...".
    for (const char* Name :
         {"PrintSetup1", "ProsCons1", "ArgueSeparator1", "Back1", "Forward1", "Reasons1",
          "ViewSeparator1", "Options1", "SwitchLanguageMenuItem", "Contents1", "HelpSeparator1"}) {
      auto* Item = Form.findChild<QAction*>(QString::fromLatin1(Name));
      QVERIFY2(Item != nullptr, Name);
      QVERIFY2(!Item->isVisible(), Name);
    }
    QStringList Visible;
    for (QAction* Item : Form.File1->actions())
      if (Item->isVisible()) Visible << (Item->isSeparator() ? QStringLiteral("-") : Item->text());
    QCOMPARE(Visible,
             QStringList({"&New", "&Open...", "&Append...", "-", "&Save", "Save &As...", "-",
                          "&Export diagram...", "&Print...", "Print pre&view...", "-", "E&xit"}));
    QStringList Menus;
    for (QAction* Menu : Form.menuBar()->actions())
      Menus << Menu->text();
    QCOMPARE(Menus,
             QStringList({"&File", "A&rgue", "&View", "&Line of arg.", "&Options", "&Help"}));
  }

  void loggingOnWritesTheHeaderAndTheFormLine() {
    TProgramRun Run;
    Run.WriteSettings("[Options]\r\nLogging=On\r\n");
    Run.Start();

    QVERIFY(State().LoggingOn);
    QCOMPARE(Run.LogFile(), TLines({"USER ACTION LOGS of the Palaver program", "",
                                    "Date: 01-02-2003", "", "", "[12:34:56]  PALAVER FORM"}));
  }

  void manyLogFilesGiveTheWarningAtStartUp() {
    TProgramRun Run;
    Run.WriteSettings("[Options]\r\nLogging=On\r\n");
    for (int N = 0; N < 24; ++N)
      WriteBytes(Run.Dir.File("PalaverUserAction" + std::to_string(N) + ".log"), "");
    Run.Start();

    QCOMPARE(Run.Boxes.Shown.size(), std::size_t{1});
    QCOMPARE(Run.Boxes.Shown[0].Kind, TScriptedMessageBoxes::TKind::Warning);
    QCOMPARE(Run.Boxes.Shown[0].Text,
             "There are currently 25 log files in the program directory (" + Run.Dir.Path() + ").");
    QCOMPARE(Run.LogFile(24).back(), std::string("[12:34:56]  PALAVER FORM"));
  }

  void dutchSettingGivesDutchCaptionsAndKeepsTheKey() {
    TProgramRun Run;
    const std::string Settings = "[Options]\r\nLanguage=Dutch\r\n";
    Run.WriteSettings(Settings);
    TArgIntForm& Form = Run.Start();

    QCOMPARE(State().Language, TLanguage::Dutch);
    QCOMPARE(Form.windowTitle(), QStringLiteral("Palaver - Nieuw betoog"));
    QCOMPARE(Form.StatementButton->text(), QStringLiteral("Bewering"));
    QCOMPARE(Form.ViewDialArgsSpeedButton->text(), QStringLiteral("Re&deneringen"));
    QCOMPARE(Form.ArgueGroupBox->title(), QStringLiteral("Redeneer"));
    QCOMPARE(Form.File1->title(), QStringLiteral("&Bestand"));
    QCOMPARE(Form.SaveAs1->text(), QStringLiteral("Ops&laan als..."));
    QCOMPARE(Form.Help1->title(), QStringLiteral("&Help"));
    QCOMPARE(Form.SwitchLanguageMenuItem->text(), QStringLiteral("Wissel &taal (naar Engels)"));

    Form.close();
    QCOMPARE(Run.Settings(), Settings + "Logging=Off\r\nSavingOk=Yes\r\n");
  }

  void valuesAreComparedWithRegardToCase() {
    TProgramRun Run;
    Run.WriteSettings("[options]\r\nlanguage=dutch\r\nLogging=on\r\nSavingOk=no\r\n");
    TArgIntForm& Form = Run.Start();

    QCOMPARE(State().Language, TLanguage::English);
    QCOMPARE(Form.StatementButton->text(), QStringLiteral("Statement"));
    QVERIFY(!State().LoggingOn);
    QVERIFY(State().SavingAllowed);
    QVERIFY(Form.Save1->isEnabled());
    QVERIFY(!std::filesystem::exists(Run.Dir.File("PalaverUserAction0.log")));

    Form.close();
    QCOMPARE(Run.Settings(),
             std::string("[options]\r\nlanguage=English\r\nLogging=Off\r\nSavingOk=no\r\n"));
  }

  void savingNotAllowedDisablesSavingForTheRun() {
    TProgramRun Run;
    const std::string Settings = "[Options]\r\nSavingOk=No\r\n";
    Run.WriteSettings(Settings);
    TArgIntForm& Form = Run.Start();
    QVERIFY(!Form.Save1->isEnabled());
    QVERIFY(!Form.SaveAs1->isEnabled());

    Form.Core().StatementMove(Issue("a"));
    Form.close();
    QVERIFY(!Form.isVisible());
    QVERIFY(Run.Boxes.Shown.empty());  // no save-changes question
    QCOMPARE(Run.Settings(), Settings + "Language=English\r\nLogging=Off\r\n");
  }

  void savingOkDefaultBecomesYesAndOtherValuesStay() {
    {
      TProgramRun Run;
      Run.WriteSettings("[Options]\r\nSavingOk=Default\r\n");
      Run.Start().close();
      QCOMPARE(Run.Settings(),
               std::string("[Options]\r\nSavingOk=Yes\r\nLanguage=English\r\nLogging=Off\r\n"));
    }
    {
      TProgramRun Run;
      Run.WriteSettings("[Options]\r\nSavingOk=Maybe\r\n");
      Run.Start().close();
      QCOMPARE(Run.Settings(), std::string("[Options]\r\nSavingOk=Maybe\r\nLanguage=English\r\n"
                                           "Logging=Off\r\n"));
    }
  }

  void linesOfArgDirIsTheDialogsStartingDirectory() {
    TProgramRun Run;
    Run.WriteSettings("[Dir]\r\nLinesOfArgDir=/no/such/dir\r\n");
    TArgIntForm& Form = Run.Start();
    Form.Open1->trigger();
    Form.SaveAs1->trigger();
    QCOMPARE(Run.Dialogs.Shown.size(), std::size_t{2});
    QCOMPARE(Run.Dialogs.Shown[0].InitialDirectory, std::string("/no/such/dir"));
    QCOMPARE(Run.Dialogs.Shown[1].InitialDirectory, std::string("/no/such/dir"));

    Form.close();
    QVERIFY(Run.Settings().find("LinesOfArgDir=/no/such/dir") != std::string::npos);

    TProgramRun Default;
    Default.WriteSettings("[Dir]\r\nLinesOfArgDir=Default\r\n");
    Default.Start().Open1->trigger();
    QCOMPARE(Default.Dialogs.Shown.at(0).InitialDirectory, std::string());
  }

  void aSettingsFileThatCannotBeWrittenKeepsTheWindowOpen() {
    TProgramRun Run;
    std::filesystem::create_directory(Run.SettingsPath());  // a directory cannot be replaced
    TArgIntForm& Form = Run.Start();
    QCOMPARE(State().Language, TLanguage::English);  // unreadable: the defaults

    Form.close();
    QVERIFY(Form.isVisible());
    QCOMPARE(Run.Boxes.Shown.size(), std::size_t{1});
    QCOMPARE(Run.Boxes.Shown[0].Kind, TScriptedMessageBoxes::TKind::Error);
    QCOMPARE(Run.Boxes.Shown[0].Text, "Unable to write to " + Run.SettingsPath());
  }

  void closeAsksTheSaveChangesQuestionFirst() {
    TProgramRun Run;
    Run.WriteSettings("[Options]\r\nLogging=On\r\n");
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Issue("a"));
    const std::string Before = Run.Settings();

    Run.Boxes.Answers = {TAnswer::Cancel};
    Form.Exit1->trigger();
    QVERIFY(Form.isVisible());
    QCOMPARE(Run.LoggedSinceShow(), TLines({"File exit (menu)"}));
    QCOMPARE(Run.Settings(), Before);

    Run.Boxes.Answers = {TAnswer::No};
    Form.close();
    QVERIFY(!Form.isVisible());
    QCOMPARE(
        Run.Boxes.Shown.back().Text,
        std::string("Do you want to save the changes \r\nto the current line of argumentation?"));
    QCOMPARE(Run.LoggedAfter(1), TLines({"Message: Save changes; Answer: No", "Close Palaver"}));
    QCOMPARE(Run.Settings(), Before + "Language=English\r\nSavingOk=Yes\r\n");
  }

  void closeWithYesSavesTheLineFirst() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Issue("a"));
    const std::string Saved = Run.Dir.File("saved.lin");
    Run.Boxes.Answers = {TAnswer::Yes};
    Run.Dialogs.Answers = {Saved};

    Form.close();
    QVERIFY(!Form.isVisible());
    QCOMPARE(Run.Dialogs.Shown.at(0).Name, std::string("SaveDialog1"));
    QCOMPARE(ReadBytes(Saved), std::string("STATEMENT\r\n  ?: a\r\n\r\nCURRENT POSITION\r\n\r\n"));
  }
};

PALAVER_GUI_TEST_MAIN(StartupTest)
#include "StartupTest.moc"
