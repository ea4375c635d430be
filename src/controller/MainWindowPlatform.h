#pragma once

#include <optional>
#include <string>
#include <vector>

#include "session/Language.h"

namespace palaver {

class TMessageBoxes;

// The visible view buttons of the "View" box; at most one is down.
enum class TViewButton { None, LineOfArgumentation, Statements, Arguments };

// One entry of a file dialog's filter list, e.g. {"Lines of argumentation (*.lin)", "*.lin"}.
// Several patterns are separated by semicolons: "*.btg;*.lin".
struct TFileFilter {
  std::string Description;
  std::string Pattern;
};

// What a file dialog shows. The window adds the initial directory from the settings.
struct TFileDialogOptions {
  std::vector<TFileFilter> Filters;
  // Added to a typed name without extension; empty for none.
  std::string DefaultExtension;
  // Empty: the dialog's own title.
  std::string Title;
  bool PromptOverwrite = false;
};

// The open and save dialogs of the main window, English or Dutch.
TFileDialogOptions OpenDialogOptions(TLanguage Language);
TFileDialogOptions SaveDialogOptions(TLanguage Language);

// What a move added or changed, by sentence, for the window to bring into sight. A statement
// move names its statement; a reason/conclusion move its reason, with the conclusion of the
// step; an exception move its exception, with the conclusion and reason of the step it attacks.
struct TMoveFocus {
  std::string Statement;
  std::string Conclusion;
  std::string Reason;
};

// What the main window provides to its toolkit-neutral core. The Qt window implements it with
// its widgets; HeadlessPlatform keeps the same state in memory for tests and palaver-cli.
class TMainWindowPlatform {
 public:
  virtual ~TMainWindowPlatform() = default;

  virtual TMessageBoxes& MessageBoxes() = 0;

  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> ExecuteOpenDialog(const TFileDialogOptions& Options) = 0;
  virtual std::optional<std::string> ExecuteSaveDialog(const TFileDialogOptions& Options) = 0;

  // The line-of-argumentation view (LineOfArgumentationRichEdit). Its lines are read as plain
  // text with word wrap off, one element per line of the text, and replaced whole.
  virtual std::vector<std::string> TranscriptViewLines() = 0;
  virtual void SetTranscriptViewLines(std::vector<std::string> Lines) = 0;
  // Hides the diagram's paint surface, shows the view and replaces its text by the two lines.
  virtual void ShowProgressText(const std::string& FirstLine, const std::string& SecondLine) = 0;
  // The view's lines, then the progress text in their place (the replay's start): a platform
  // that holds the lines as they are can hand them over instead of copying them.
  virtual std::vector<std::string> TakeTranscriptViewLines(const std::string& FirstLine,
                                                           const std::string& SecondLine) {
    std::vector<std::string> Lines = TranscriptViewLines();
    ShowProgressText(FirstLine, SecondLine);
    return Lines;
  }
  // Appends one "." to the second line of the progress text.
  virtual void AddProgressDot() = 0;

  // BackButton with Back2, and ForwardButton with Forward2.
  virtual void SetBackEnabled(bool Enabled) = 0;
  virtual void SetForwardEnabled(bool Enabled) = 0;

  virtual TViewButton ViewButtonDown() const = 0;
  // Each show operation shows its view, hides the others and puts its own button down.
  virtual void ShowDiagram() = 0;
  virtual void ShowStatementsDiagram() = 0;
  // Shows the line-of-argumentation view with its current text.
  virtual void ShowTranscriptView() = 0;

  virtual void SetTitle(const std::string& Title) = 0;

  // After a move, once the view shows it: scrolls the diagram so that what the move added or
  // changed is in sight, unless it is already. A window without a diagram does nothing.
  virtual void RevealMove(const TMoveFocus&) {}

  // The check mark of Options, "&Show structure only".
  virtual bool ShowStructureOnly() const = 0;
  virtual void SetShowStructureOnly(bool Checked) = 0;

  // Asks the window to close; the close request then runs the core's FormCloseQuery.
  virtual void CloseMainWindow() = 0;

  // The line or its unsaved state has changed: the core's KeepRecovery is to run soon, once
  // the change is shown (several changes in a row may share one run).
  virtual void RecoveryDue() {}
};

}  // namespace palaver
