#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "controller/MainWindowPlatform.h"
#include "session/MessageBoxes.h"

namespace palaver {

// Message boxes with scripted answers: each question takes the next queued answer, or
// DefaultAnswer when the queue is empty. Every box shown is recorded.
class TScriptedMessageBoxes final : public TMessageBoxes {
 public:
  enum class TKind { Warning, WarningYesNo, WarningYesNoCancel, Confirmation, Error };
  struct TShownBox {
    TKind Kind;
    std::string Text;
  };

  std::deque<TAnswer> Answers;
  TAnswer DefaultAnswer = TAnswer::Yes;
  std::vector<TShownBox> Shown;

  void Warning(const std::string& Text) override;
  TAnswer WarningYesNo(const std::string& Text) override;
  TAnswer WarningYesNoCancel(const std::string& Text) override;
  TAnswer Confirmation(const std::string& Text) override;
  void ShowError(const std::string& Message) override;

 private:
  TAnswer Ask(TKind Kind, const std::string& Text);
};

// The main window kept in memory: for tests, which script the answers and read the state, and
// for palaver-cli, which answers every question with Yes.
class THeadlessPlatform final : public TMainWindowPlatform {
 public:
  TScriptedMessageBoxes Boxes;
  // The paths the file dialogs return, in turn; an empty queue or nothing means Cancel.
  std::deque<std::optional<std::string>> OpenDialogAnswers;
  std::deque<std::optional<std::string>> SaveDialogAnswers;
  std::vector<TFileDialogOptions> OpenDialogsShown;
  std::vector<TFileDialogOptions> SaveDialogsShown;

  // The line-of-argumentation view's text, one element per line.
  std::vector<std::string> ViewLines;
  bool BackEnabled = false;
  bool ForwardEnabled = false;
  TViewButton ButtonDown = TViewButton::None;
  // Which view is visible: the view shown last.
  TViewButton VisibleView = TViewButton::None;
  std::string Title;
  bool StructureOnly = false;
  // How often each show operation ran, and how often the window was asked to close.
  int DiagramShows = 0;
  int StatementsDiagramShows = 0;
  int TranscriptViewShows = 0;
  int ProgressShows = 0;
  int CloseRequests = 0;
  // How often the core said that its recovery copy is due; the caller runs KeepRecovery.
  int RecoveryRequests = 0;

  TMessageBoxes& MessageBoxes() override { return Boxes; }
  std::optional<std::string> ExecuteOpenDialog(const TFileDialogOptions& Options) override;
  std::optional<std::string> ExecuteSaveDialog(const TFileDialogOptions& Options) override;
  std::vector<std::string> TranscriptViewLines() override { return ViewLines; }
  void SetTranscriptViewLines(std::vector<std::string> Lines) override;
  void ShowProgressText(const std::string& FirstLine, const std::string& SecondLine) override;
  std::vector<std::string> TakeTranscriptViewLines(const std::string& FirstLine,
                                                   const std::string& SecondLine) override;
  void AddProgressDot() override;
  void SetBackEnabled(bool Enabled) override { BackEnabled = Enabled; }
  void SetForwardEnabled(bool Enabled) override { ForwardEnabled = Enabled; }
  TViewButton ViewButtonDown() const override { return ButtonDown; }
  void ShowDiagram() override;
  void ShowStatementsDiagram() override;
  void ShowTranscriptView() override;
  void SetTitle(const std::string& NewTitle) override { Title = NewTitle; }
  bool ShowStructureOnly() const override { return StructureOnly; }
  void SetShowStructureOnly(bool Checked) override { StructureOnly = Checked; }
  void CloseMainWindow() override { ++CloseRequests; }
  void RecoveryDue() override { ++RecoveryRequests; }
};

}  // namespace palaver
