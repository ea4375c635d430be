// The main window's life: creation, the window events of start-up and shutdown, and the platform
// through which the core reaches the widgets.

#include "app/ArgIntForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "app/DiagramPaintBox.h"
#include "app/FindBar.h"
#include "app/ScrollBox.h"
#include "dialogs/AboutForm.h"
#include "dialogs/ExceptionForm.h"
#include "dialogs/OptionsForm.h"
#include "dialogs/ReasonConclusionForm.h"
#include "dialogs/StatementForm.h"
#include "line/LineOfArgumentation.h"
#include "session/ProgramState.h"
#include "session/Settings.h"
#include "session/UserActionLog.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"
#include "views/QtText.h"
#include "views/StatusImages.h"

namespace palaver {

// The core's view of the window. The window's own names for these operations are the ones its
// controls and handlers use; this class only forwards.
class TArgIntForm::TPlatform final : public TMainWindowPlatform {
 public:
  explicit TPlatform(TArgIntForm& Form) : Form(Form) {}

  TMessageBoxes& MessageBoxes() override { return Form.MessageBoxes(); }
  std::optional<std::string> ExecuteOpenDialog(const TFileDialogOptions& Options) override {
    return Form.ExecuteFileDialog(false, Options);
  }
  std::optional<std::string> ExecuteSaveDialog(const TFileDialogOptions& Options) override {
    return Form.ExecuteFileDialog(true, Options);
  }
  std::vector<std::string> TranscriptViewLines() override { return Form.TranscriptViewLines(); }
  void SetTranscriptViewLines(std::vector<std::string> Lines) override {
    Form.SetTranscriptViewLines(std::move(Lines));
  }
  void ShowProgressText(const std::string& FirstLine, const std::string& SecondLine) override {
    Form.ShowProgressText(FirstLine, SecondLine);
  }
  void AddProgressDot() override { Form.AddProgressDot(); }
  void SetBackEnabled(bool Enabled) override { Form.SetBackEnabled(Enabled); }
  void SetForwardEnabled(bool Enabled) override { Form.SetForwardEnabled(Enabled); }
  TViewButton ViewButtonDown() const override { return Form.ViewButtonDown(); }
  void ShowDiagram() override { Form.ShowDiagram(); }
  void ShowStatementsDiagram() override { Form.ShowStatementsDiagram(); }
  void ShowTranscriptView() override { Form.ShowTranscriptView(); }
  void SetTitle(const std::string& Title) override { Form.SetTitle(Title); }
  void RevealMove(const TMoveFocus& Focus) override { Form.RevealMove(Focus); }
  bool ShowStructureOnly() const override { return Form.StructureOnlyChecked(); }
  void SetShowStructureOnly(bool Checked) override { Form.SetStructureOnlyChecked(Checked); }
  void CloseMainWindow() override { Form.close(); }
  void RecoveryDue() override { Form.ScheduleRecovery(); }

 private:
  TArgIntForm& Form;
};

namespace {

constexpr int StatusBarHeight = 17;

std::string SettingsPath(const std::string& ProgramDir) {
  return ProgramDir + (ProgramDir.ends_with('/') ? "" : "/") + "Palaver.ini";
}

}  // namespace

TArgIntForm::TArgIntForm(std::string ProgramDir, TArgIntFormServices Services)
    : ProgramDirectory(std::move(ProgramDir)),
      SettingsFile(SettingsPath(ProgramDirectory)),
      QtTranslation(Services.QtTranslationsDirectory) {
  if (Services.MessageBoxes != nullptr) Boxes = Services.MessageBoxes;
  if (Services.FileDialogs != nullptr) Dialogs = Services.FileDialogs;
  if (Services.Clock != nullptr) Clock = Services.Clock;
  UnattendedBoxes.DefaultAnswer = TAnswer::None;

  setObjectName(QStringLiteral("ArgIntForm"));
  // Every measure of the window, the diagram's included, comes from this font as resolved here.
  setFont(DiagramFont());

  auto* Central = new QWidget(this);
  Central->setObjectName(QStringLiteral("ArgIntFormClient"));
  setCentralWidget(Central);
  BuildButtonPanel();
  BuildScrollBox();
  BuildMainMenu();
  FitButtonPanel();
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setFixedHeight(StatusBarHeight);
  setStatusBar(StatusBar1);

  // The client area below the menu bar, status bar included, is 600 x 480; a panel widened for
  // its captions widens the window, so that the scroll area keeps its width. The scroll area gets
  // its size now, before any layout has run, because start-up sizes the views from it.
  constexpr int ScrollBoxWidth = MainWindowWidth - ButtonPanelWidth;
  resize(ButtonPanel->width() + ScrollBoxWidth, MainWindowHeight + menuBar()->sizeHint().height());
  ScrollBox1->resize(ScrollBoxWidth, MainWindowHeight - StatusBarHeight);

  Platform = std::make_unique<TPlatform>(*this);
  WindowCore = std::make_unique<TMainWindowCore>(*Platform);
  ConnectHandlers();

  Guarded([this] { FormCreate(); });
  CreateDialogs();
}

TArgIntForm::~TArgIntForm() {
  // The dialogs work on this window's core; they go first.
  OptionsForm.reset();
  AboutForm.reset();
  ReasonConclusionForm.reset();
  ExceptionForm.reset();
  StatementForm.reset();
  // The program's line is hosted by this window's core, and the log reports through its boxes:
  // neither may outlive the window.
  SetLogServices(nullptr, nullptr);
  State().LineOfArgumentation.reset();
  ScrollBox1->OnResize = nullptr;
  ScrollBox1->OnCtrlWheel = nullptr;
  ScrollBox1->OnContextMenu = nullptr;
  DialArgsPaintBox->PaintsPicture = nullptr;
  DialArgsPaintBox->BoxToolTip = nullptr;
}

void TArgIntForm::SetMessageBoxes(TMessageBoxes* NewBoxes) {
  Boxes = NewBoxes != nullptr ? NewBoxes : &RealMessageBoxes;
  SetLogServices(Clock, Boxes);
}

void TArgIntForm::SetFileDialogs(TFileDialogs* NewDialogs) {
  Dialogs = NewDialogs != nullptr ? NewDialogs : &RealFileDialogs;
}

void TArgIntForm::ShowErrorMessage(const std::string& Message) noexcept {
  try {
    Boxes->ShowError(Message);
  } catch (...) {
    // Nothing is left to tell the user with; the program goes on.
  }
}

// --- Start-up ------------------------------------------------------------------------------

void TArgIntForm::FormCreate() {
  ResetProgramState();
  auto& Program = State();
  Program.Language = TLanguage::English;
  Program.InteractiveMoves = true;
  Program.RefreshViews = true;

  // No view button is down yet, so the reset draws nothing; then the diagram is the view the
  // program starts with.
  Core().NewLineOfArgumentation();
  ShowDiagram();

  for (QWidget* View :
       {static_cast<QWidget*>(LineOfArgumentationRichEdit),
        static_cast<QWidget*>(StatementsListView), static_cast<QWidget*>(ReasonsListView),
        static_cast<QWidget*>(ArgumentsTreeView), static_cast<QWidget*>(DialArgsRichEdit)})
    View->resize(ScrollBox1->FillSize());
  DialArgsPaintBox->SetSurfaceWidth(ScrollBox1->width() - 7);
  StatusIconsImageList.Overlay(SmallAssumptionMarkImage, AssumptionOverlay);
  StatusIconsImageList.Overlay(SmallIssueMarkImage, IssueOverlay);

  SetLogServices(Clock, Boxes);
  const TStartupSettings Settings =
      ReadStartupSettings(SettingsFile, [this] { CreateLogFile(ProgramDirectory); });
  if (!Program.SavingAllowed) {
    // Exporting writes a file as saving does; printing to paper stays.
    Save1->setEnabled(false);
    SaveAs1->setEnabled(false);
    Export1->setEnabled(false);
  }
  InitialDirectory = Settings.InitialDirectory;
  Core().StartRecovery(ProgramDirectory);
}

void TArgIntForm::FormShow() {
  LogUserAction("");
  LogUserAction("PALAVER FORM");
  if (State().Language == TLanguage::Dutch)
    SwitchToDutch();
  else
    SwitchToEnglish();
  StatementButton->setFocus();
  // The question about a line left by a program that ended without closing comes once the
  // window is there to belong to, from the event loop rather than from inside the show.
  // The file the program was given opens after that question, as Open would.
  QTimer::singleShot(0, this, [this] {
    Guarded([this] { OfferRecovery(); });
    Guarded([this] { OpenStartupFile(); });
  });
}

void TArgIntForm::OfferRecovery() {
  if (!Terminating) Core().OfferRecovery();
}

void TArgIntForm::FormActivate() {
  Core().RefreshCurrentView();
}

void TArgIntForm::FormResize() {
  // Unlike the refresh, this looks not at RefreshViews: a resize never comes during a replay.
  switch (ViewButtonDown()) {
    case TViewButton::LineOfArgumentation:
      Core().ShowLineOfArgumentation();
      break;
    case TViewButton::Statements:
      ShowStatementsDiagram();
      break;
    case TViewButton::Arguments:
      ShowDiagram();
      break;
    case TViewButton::None:
      break;
  }
}

void TArgIntForm::ScrollBox1Resize() {
  ApplySurfaceWidthRule();
  ScrollBox1->FitContents();
  if (FindBar->isVisible()) PlaceFindBar();
}

// --- Shutdown ------------------------------------------------------------------------------

bool TArgIntForm::FormCloseQuery() {
  return Core().FormCloseQuery();
}

void TArgIntForm::FormClose() {
  LogUserAction("Close Palaver");
  WriteClosingSettings(SettingsFile);
  Core().LineClosed();
}

void TArgIntForm::FormTerminate() {
  if (Terminating) return;
  Terminating = true;
  // A question or dialog that is open now returns without an answer when its event loop ends,
  // and whatever the interrupted handler still does is asked nothing either.
  SetMessageBoxes(&UnattendedBoxes);
  Core().KeepRecovery();
  LogUserAction("Close Palaver");
  try {
    WriteClosingSettings(SettingsFile);
  } catch (const std::exception& Error) {
    std::fprintf(stderr, "palaver: %s\n", Error.what());
  }
  QCoreApplication::exit(0);
}

void TArgIntForm::ScheduleRecovery() {
  if (RecoveryScheduled || Terminating) return;
  RecoveryScheduled = true;
  // Posted after the repaint the change asked for, so the move is on the screen first.
  QTimer::singleShot(0, this, [this] {
    RecoveryScheduled = false;
    Guarded([this] { Core().KeepRecovery(); });
  });
}

// --- Qt events -----------------------------------------------------------------------------

bool TArgIntForm::event(QEvent* Event) {
  const bool Handled = QMainWindow::event(Event);
  // Also when a modal dialog or message box has closed and the window has the focus back.
  if (Event->type() == QEvent::WindowActivate) Guarded([this] { FormActivate(); });
  return Handled;
}

void TArgIntForm::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  if (FirstShowDone) return;
  FirstShowDone = true;
  Guarded([this] { FormShow(); });
}

void TArgIntForm::resizeEvent(QResizeEvent* Event) {
  QMainWindow::resizeEvent(Event);
  Guarded([this] { FormResize(); });
}

void TArgIntForm::closeEvent(QCloseEvent* Event) {
  // A failure anywhere in the close sequence (saving the line, writing the settings) is shown
  // and keeps the window open.
  bool Granted = false;
  Guarded([&] {
    if (!FormCloseQuery()) return;
    FormClose();
    Granted = true;
  });
  if (Granted)
    Event->accept();
  else
    Event->ignore();
}

// --- Platform operations -------------------------------------------------------------------

std::optional<std::string> TArgIntForm::ExecuteFileDialog(bool Save,
                                                          const TFileDialogOptions& Options) {
  const bool Dutch = State().Language == TLanguage::Dutch;
  TFileDialogRequest Request;
  if (Save)
    Request.Name = Dutch ? "SaveDialogWithDutchFilters" : "SaveDialog1";
  else
    Request.Name = Dutch ? "OpenDialogWithDutchFilters" : "OpenDialog1";
  Request.Save = Save;
  Request.Options = Options;
  Request.InitialDirectory = InitialDirectory;
  return Dialogs->Execute(Request);
}

void TArgIntForm::SetBackEnabled(bool Enabled) {
  BackButton->setEnabled(Enabled);
  Back2->setEnabled(Enabled);
}

void TArgIntForm::SetForwardEnabled(bool Enabled) {
  ForwardButton->setEnabled(Enabled);
  Forward2->setEnabled(Enabled);
}

std::string TArgIntForm::Title() const {
  return FromQString(windowTitle());
}

void TArgIntForm::SetTitle(const std::string& NewTitle) {
  setWindowTitle(ToQString(NewTitle));
}

}  // namespace palaver
