#pragma once

#include <QMainWindow>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/FileDialogs.h"
#include "app/QtClock.h"
#include "app/QtMessageBoxes.h"
#include "app/QtTranslation.h"
#include "app/SpeedButton.h"
#include "controller/HeadlessPlatform.h"
#include "controller/MainWindowCore.h"
#include "session/Language.h"
#include "session/PlatformError.h"
#include "session/ProfileFile.h"
#include "views/DiagramExport.h"
#include "views/DiagramSearch.h"
#include "views/StatusIconsImageList.h"

class QAbstractButton;
class QAction;
class QDialog;
class QGroupBox;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QStatusBar;
class QTextEdit;
class QTreeWidget;

namespace palaver {

class TAboutForm;
struct TDiagramBox;
class TDiagramPaintBox;
class TExceptionForm;
class TFindBar;
class TLegendForm;
class TOptionsForm;
class TReasonConclusionForm;
class TScrollBox;
class TStatementForm;

// What the main window uses from outside; null takes the real one. Tests put scripted message
// boxes and file dialogs here, so that even the questions of start-up can be answered.
struct TArgIntFormServices {
  TMessageBoxes* MessageBoxes = nullptr;
  TFileDialogs* FileDialogs = nullptr;
  const TClock* Clock = nullptr;
  // Where Qt's own translations are looked for; empty takes Qt's translations directory.
  QString QtTranslationsDirectory = {};
};

// The main window (ArgIntForm): the button panel on the left, the scroll area with the views,
// the main menu and the status bar. Its commands go to the toolkit-neutral core, which reaches
// the widgets back through the window's platform. Creating the window runs FormCreate, which
// starts the program's state, reads the settings file in ProgramDir and opens the log.
//
// Controls and menu items carry their names as member names and object names. Those the layout
// hides are there all the same and are never made visible.
//
// Where its parts live: ArgIntForm.cpp the window's life and its platform;
// ArgIntFormCommands.cpp the buttons' and menu items' commands; ArgIntFormDialogs.cpp the
// dialogs; ArgIntFormLanguage.cpp the caption tables; ArgIntFormLayout.cpp the layout and the
// menu; ArgIntFormViews.cpp the views and their speed buttons; ArgIntFormReadingAids.cpp the
// legend, the tooltips and scrolling to a change; ArgIntFormOutput.cpp export, print and copy;
// ArgIntFormNavigation.cpp zoom, find and the file named at start-up.
class TArgIntForm final : public QMainWindow {
 public:
  explicit TArgIntForm(std::string ProgramDir, TArgIntFormServices Services = {});
  ~TArgIntForm() override;
  TArgIntForm(const TArgIntForm&) = delete;
  TArgIntForm& operator=(const TArgIntForm&) = delete;

  TMainWindowCore& Core() { return *WindowCore; }
  TMessageBoxes& MessageBoxes() { return *Boxes; }
  // Null puts the real ones back.
  void SetMessageBoxes(TMessageBoxes* NewBoxes);
  void SetFileDialogs(TFileDialogs* NewDialogs);

  const std::string& ProgramDir() const { return ProgramDirectory; }
  // The settings file, Palaver.ini in the program directory.
  const std::string& SettingsFileName() const { return SettingsFile.Path(); }
  // The starting directory of the file dialogs, from the settings; empty for none.
  const std::string& FileDialogDirectory() const { return InitialDirectory; }

  // --- Window events ------------------------------------------------------------------------
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormResize();
  // False keeps the window open.
  bool FormCloseQuery();
  void FormClose();
  // The system ends the program (SIGTERM, SIGHUP): nobody is there to answer, so nothing is
  // asked; the unsaved line stays in its recovery file, "Close Palaver" is logged and the
  // settings are written as at a normal close; then the event loops end.
  void FormTerminate();
  // At start-up, once the window is shown: offers the line of a program that ended without
  // closing (the core's OfferRecovery), then opens the file the program was given, if any.
  void OfferRecovery();
  // The file given to the program to open at start-up, after the restore question; set before
  // the window is shown. A relative name is taken from the working directory.
  void SetStartupFile(const std::string& Path);
  void ScrollBox1Resize();

  // --- Captions -----------------------------------------------------------------------------
  // Put the window into one language (captions, menus, and the title while it names no file),
  // then set the program's Language.
  void SwitchToEnglish();
  void SwitchToDutch();

  // --- Views --------------------------------------------------------------------------------
  // Each shows its view, hides the others and puts its speed button down.
  void ShowDiagram();
  void ShowStatementsDiagram();
  void ShowTranscriptView();
  void ShowStatementsList();
  void ShowReasonsList();
  void ShowArgumentsTree();
  TViewButton ViewButtonDown() const;
  bool StructureOnlyChecked() const;
  void SetStructureOnlyChecked(bool Checked);

  // The line-of-argumentation view's text, one element per line. The window keeps the lines as
  // the bytes they are, so reading them back never passes through the display's encoding.
  const std::vector<std::string>& TranscriptViewLines() const { return TranscriptLines; }
  void SetTranscriptViewLines(std::vector<std::string> Lines);
  void ShowProgressText(const std::string& FirstLine, const std::string& SecondLine);
  void AddProgressDot();

  // Scrolls the diagram or statements drawing so that a box of what the move added or changed is
  // in sight, when none is yet.
  void RevealMove(const TMoveFocus& Focus);

  void SetBackEnabled(bool Enabled);
  void SetForwardEnabled(bool Enabled);
  std::string Title() const;
  void SetTitle(const std::string& NewTitle);

  std::optional<std::string> ExecuteFileDialog(bool Save, const TFileDialogOptions& Options);

  // --- The drawing out of the window: export, print, copy -----------------------------------
  // The drawing the window shows (the statements drawing while that view is shown, else the
  // diagram), laid out afresh at the width the window lays it out at, stopping at HeightLimit.
  TDiagramPicture DrawingShown(int HeightLimit) const;
  // Writes the drawing shown to Path in Format (a PNG at Scale times its size), safely; a
  // failure throws the platform's message and leaves any old file as it was.
  void ExportDrawing(const std::string& Path, TDrawingFormat Format, int Scale = 1);
  // Prints the drawing shown on Printer: paper, or a PDF file written safely (refused while
  // saving is not allowed).
  void PrintDrawing(QPrinter& Printer);

  // --- Zoom and find ------------------------------------------------------------------------
  // The zoom of the diagram and the statements drawing, 25 to 400 %, for the rest of the run.
  int Zoom() const;
  // Zooms to Percent (kept within the steps' bounds), keeping the point of the viewport at
  // Anchor in place, or the viewport's centre when none is given.
  void SetZoom(int Percent, std::optional<QPoint> Anchor = std::nullopt);
  // Searches the drawing shown for the find bar's text and marks what it finds; with Reveal, the
  // box found at Current (wrapping round) is scrolled into sight.
  void RunFind(bool Reveal);
  // The box the find is at (an index into the picture's boxes), or -1.
  int FoundBox() const;

  // --- The dialogs, shown modally ----------------------------------------------------------
  void ShowStatementForm();
  void ShowReasonConclusionForm();
  void ShowExceptionForm();
  void ShowAboutForm();
  void ShowOptionsForm();
  // The legend is not modal: it opens beside the window, or comes to the front when open.
  void ShowLegendForm();

  // --- Click handlers -----------------------------------------------------------------------
  void StatementButtonClick();
  void Statement1Click();
  void ReasonConclusionButtonClick();
  void ReasonConclusion1Click();
  void ExceptionButtonClick();
  void Exception1Click();
  void New1Click();
  void Open1Click();
  void Append1Click();
  void Save1Click();
  void SaveAs1Click();
  void Exit1Click();
  void ViewLineOfArgumentationSpeedButtonClick();
  void Lineofargumentation1Click();
  void ViewStatements2SpeedButtonClick();
  void Statements1Click();
  void ViewDialArgsSpeedButtonClick();
  void Arguments1Click();
  void ShowStructureOnlyClick();
  void SwitchLanguageMenuItemClick();
  void About1Click();
  void Legend1Click();
  void Options1Click();
  void Reasons1Click();
  void BackButtonClick();
  void Back2Click();
  void ForwardButtonClick();
  void Forward2Click();
  void ViewStatementsSpeedButtonClick();
  void ViewReasonsSpeedButtonClick();
  void ViewArgumentsSpeedButtonClick();
  void ViewStepsSpeedButtonClick();
  void ViewUndercuttersSpeedButtonClick();
  void Button1Click();
  void Button2Click();
  void ProsConsButtonClick();
  void Export1Click();
  void Print1Click();
  void PrintPreview1Click();
  void CopyDiagram1Click();
  void ZoomIn1Click();
  void ZoomOut1Click();
  void ZoomNormal1Click();
  void Find1Click();
  void FindNext1Click();
  void FindPrevious1Click();

  // --- Left panel ---------------------------------------------------------------------------
  QWidget* ButtonPanel = nullptr;
  QGroupBox* ArgueGroupBox = nullptr;
  QPushButton* StatementButton = nullptr;
  QPushButton* ReasonConclusionButton = nullptr;
  QPushButton* ExceptionButton = nullptr;
  QGroupBox* ViewGroupBox = nullptr;
  TSpeedButton* ViewLineOfArgumentationSpeedButton = nullptr;
  TSpeedButton* ViewStatements2SpeedButton = nullptr;
  TSpeedButton* ViewDialArgsSpeedButton = nullptr;
  QGroupBox* LineOfArgGroupBox = nullptr;
  QPushButton* BackButton = nullptr;
  QPushButton* ForwardButton = nullptr;
  QPushButton* Button1 = nullptr;
  TSpeedButton* ViewStatementsSpeedButton = nullptr;
  TSpeedButton* ViewReasonsSpeedButton = nullptr;
  TSpeedButton* ViewArgumentsSpeedButton = nullptr;
  TSpeedButton* ViewStepsSpeedButton = nullptr;
  TSpeedButton* ViewUndercuttersSpeedButton = nullptr;

  // --- Scroll area and views ----------------------------------------------------------------
  TScrollBox* ScrollBox1 = nullptr;
  QTextEdit* LineOfArgumentationRichEdit = nullptr;
  TDiagramPaintBox* DialArgsPaintBox = nullptr;
  QTreeWidget* StatementsListView = nullptr;
  QTreeWidget* ReasonsListView = nullptr;
  QTreeWidget* ArgumentsTreeView = nullptr;
  QTextEdit* DialArgsRichEdit = nullptr;
  QPlainTextEdit* DebugMemo = nullptr;
  QPushButton* Button2 = nullptr;
  QPushButton* ProsConsButton = nullptr;

  QStatusBar* StatusBar1 = nullptr;
  // The images of the arguments tree, with the type marks registered as overlays by FormCreate.
  TStatusIconsImageList StatusIconsImageList;

  // --- The dialogs: created once, right after the window, in this order ---------------------
  std::unique_ptr<TStatementForm> StatementForm;
  std::unique_ptr<TExceptionForm> ExceptionForm;
  std::unique_ptr<TReasonConclusionForm> ReasonConclusionForm;
  std::unique_ptr<TAboutForm> AboutForm;
  std::unique_ptr<TOptionsForm> OptionsForm;
  // Made the first time it is asked for; a child window of this one.
  TLegendForm* LegendForm = nullptr;

  // --- Main menu ----------------------------------------------------------------------------
  QMenu* File1 = nullptr;
  QAction* New1 = nullptr;
  QAction* Open1 = nullptr;
  QAction* Append1 = nullptr;
  QAction* FileSeparator1 = nullptr;
  QAction* Save1 = nullptr;
  QAction* SaveAs1 = nullptr;
  QAction* FileSeparator2 = nullptr;
  QAction* Export1 = nullptr;
  QAction* Print1 = nullptr;
  QAction* PrintPreview1 = nullptr;
  QAction* PrintSetup1 = nullptr;
  QAction* FileSeparator3 = nullptr;
  QAction* Exit1 = nullptr;
  QMenu* Move1 = nullptr;
  QAction* Statement1 = nullptr;
  QAction* ReasonConclusion1 = nullptr;
  QAction* Exception1 = nullptr;
  QAction* ProsCons1 = nullptr;
  QAction* ArgueSeparator1 = nullptr;
  QAction* Back1 = nullptr;
  QAction* Forward1 = nullptr;
  QMenu* View1 = nullptr;
  QAction* Lineofargumentation1 = nullptr;
  QAction* Statements1 = nullptr;
  QAction* Reasons1 = nullptr;
  QAction* Arguments1 = nullptr;
  QAction* ViewSeparator1 = nullptr;
  QAction* Options1 = nullptr;
  QAction* ViewSeparator2 = nullptr;
  QAction* ZoomIn1 = nullptr;
  QAction* ZoomOut1 = nullptr;
  QAction* ZoomNormal1 = nullptr;
  QAction* ViewSeparator3 = nullptr;
  QAction* Find1 = nullptr;
  QAction* FindNext1 = nullptr;
  QAction* FindPrevious1 = nullptr;
  // The drawing's context menu: Copy and the File and View menus' drawing commands.
  QMenu* DiagramPopupMenu = nullptr;
  QAction* CopyDiagram1 = nullptr;
  TFindBar* FindBar = nullptr;
  QMenu* Lineofarg1 = nullptr;
  QAction* Back2 = nullptr;
  QAction* Forward2 = nullptr;
  QMenu* Options = nullptr;
  QAction* ShowStructureOnly = nullptr;
  QAction* SwitchLanguageMenuItem = nullptr;
  QMenu* Help1 = nullptr;
  QAction* Contents1 = nullptr;
  QAction* HelpSeparator1 = nullptr;
  QAction* Legend1 = nullptr;
  QAction* About1 = nullptr;

 protected:
  bool event(QEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;

 private:
  class TPlatform;

  void BuildButtonPanel();
  void BuildScrollBox();
  void BuildMainMenu();
  // Sizes the button panel's buttons and boxes to their captions in both languages, and gives
  // the window the minimum size at which the whole panel shows.
  void FitButtonPanel();
  void ConnectHandlers();
  void Connect(QAbstractButton* Button, void (TArgIntForm::*Handler)());
  void Connect(QAction* Item, void (TArgIntForm::*Handler)());

  // Runs one handler so that no exception leaves it: a failure's message goes to the general
  // error display, the handler is abandoned there and the program goes on. True when the
  // handler ran to its end.
  template <class THandler>
  bool Guarded(THandler&& Handler) noexcept;
  void ShowErrorMessage(const std::string& Message) noexcept;

  // Shows View alone among the scroll area's views and fits the scroll area to it.
  void ShowOnlyView(QWidget* View);
  // The width the paint surface gets from the scroll area's size (ScrollBox1Resize's rule).
  void ApplySurfaceWidthRule();
  void ApplyCaptions(TLanguage Language);
  // One row of a caption table: the control and its caption in each language.
  struct TCaption {
    QObject* Control;
    const char* English;
    const char* Dutch;
  };
  std::vector<TCaption> MainWindowCaptions() const;
  // What a box of the diagram says when pointed at, in the current language; empty for none.
  std::string DiagramBoxToolTip(const TDiagramBox& Box) const;
  // The captions of the move dialogs: statement, reason/conclusion, exception.
  void ApplyDialogCaptions(TLanguage Language);
  void CreateDialogs();
  // Runs Dialog modally; when it has closed, the view is redrawn as on the window's activation.
  void ExecuteModalDialog(QDialog& Dialog);
  void DisplayTranscriptLines();
  void BuildDiagramCommands();
  // Whether the scroll area shows the diagram or the statements drawing.
  bool DrawingVisible() const;
  bool ShowDiagramPopupMenu(QPoint Where);
  void StepZoom(int Steps, std::optional<QPoint> Anchor);
  void PlaceFindBar();
  void CloseFindBar();
  void StepFind(bool Next);
  // Brings the box the find is at into sight, below the find bar.
  void RevealFoundBox();
  void OpenStartupFile();
  // Runs the core's KeepRecovery from the event loop, after what is waiting to be drawn.
  void ScheduleRecovery();

  std::string ProgramDirectory;
  TProfileFile SettingsFile;
  std::string InitialDirectory;
  std::vector<std::string> TranscriptLines;
  // Whether the line-of-argumentation view still shows older lines: it is filled only when shown.
  bool TranscriptTextOutdated = false;

  // Qt's own texts follow the program's language; the captions set it, at start-up and at every
  // switch.
  TQtTranslation QtTranslation;
  TQtMessageBoxes RealMessageBoxes{this};
  TQtFileDialogs RealFileDialogs{this};
  TQtClock RealClock;
  TMessageBoxes* Boxes = &RealMessageBoxes;
  TFileDialogs* Dialogs = &RealFileDialogs;
  const TClock* Clock = &RealClock;

  TSpeedButtonGroup ViewButtons;
  TSpeedButtonGroup HiddenViewButtons;
  bool FirstShowDone = false;
  bool RecoveryScheduled = false;
  bool Terminating = false;
  // The boxes while the program is being ended: nothing is shown, every question has no answer.
  TScriptedMessageBoxes UnattendedBoxes;

  std::string StartupFile;
  TDiagramSearch Search;
  unsigned long SearchIndexed = 0;
  bool SearchIndexValid = false;
  int FindCurrent = -1;

  std::unique_ptr<TPlatform> Platform;
  std::unique_ptr<TMainWindowCore> WindowCore;
};

template <class THandler>
bool TArgIntForm::Guarded(THandler&& Handler) noexcept {
  try {
    Handler();
    return true;
  } catch (const TPlatformError& Error) {
    ShowErrorMessage(Error.what());
  } catch (const std::exception& Error) {
    ShowErrorMessage(Error.what());
  } catch (...) {
    ShowErrorMessage("Unexpected error");
  }
  return false;
}

}  // namespace palaver
