#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controller/MainWindowPlatform.h"
#include "line/LineHost.h"
#include "line/LineOfArgumentation.h"
#include "model/Statement.h"
#include "session/MessageBoxes.h"
#include "session/RecoverySlot.h"

namespace palaver {

// The main window without its toolkit: the move operations, the view refresh, the transcript
// replay, Back and Forward, the file commands and the transcript deletions, with the click
// handlers that lead to them. It works on the program-wide state (State()) and reaches the
// window only through the platform. A Qt window implements the platform and forwards its clicks.
//
// Platform failures (files that cannot be read or written) leave as TPlatformError; the window
// shows the message and the handler that met it is abandoned.
//
// Where its parts live: MainWindowCore.cpp the moves, the views, the deletions' questions and
// the click handlers; MainWindowCoreReplay.cpp the replay, Back and Forward and the deletions'
// rebuilds; MainWindowCoreFiles.cpp the file commands and the save-changes question;
// MainWindowCoreRecovery.cpp the recovery copy.
class TMainWindowCore final : public TLineOfArgumentationHost {
 public:
  explicit TMainWindowCore(TMainWindowPlatform& Platform);

  // The limits of the lines the window builds from now on, and of the current one.
  const TEvaluationLimits& EvaluationLimits() const { return Limits; }
  void SetEvaluationLimits(const TEvaluationLimits& NewLimits);

  // --- Moves: each reaches the current line, refreshes the view and enables Back -------------
  bool StatementMove(const PStatement& S);
  void ReasonConclusionMove(const PReasonConclusion& C);
  void ExceptionMove(const PReasonConclusion& C);

  // --- Views --------------------------------------------------------------------------------
  // Redraws the view whose visible view button is down; does nothing during a replay.
  void RefreshCurrentView();
  void ShowLineOfArgumentation();

  // --- Transcript ---------------------------------------------------------------------------
  // Replays the view's text into the current line up to "CURRENT POSITION"; what follows the
  // marker becomes the forward lines. A move past an evaluation limit stops the replay there:
  // its entry and everything after it become the forward lines, as they are, and the user is
  // told once the replay is over.
  void InterpretTranscript();
  // How the last replay stopped at a move past an evaluation limit, after how many moves.
  struct TReplayStop {
    TEvaluationLimitReached Limit;
    int MovesMade;
  };
  std::optional<TReplayStop> LastReplayStop;
  // Puts the Move lines of the current line's moves into the view, and nothing else.
  void RebuildTranscriptView();
  // During a rebuild's replay: puts a line holding Earlier's first Moves moves, as they are, in
  // the place of the replay's new line, because the replay began with those very moves.
  void TakeOverMoves(TLineOfArgumentation& Earlier, int Moves);
  void StepBack();
  void StepForward();

  // --- File commands ------------------------------------------------------------------------
  void NewLineOfArgumentation();
  // Nothing when no question was asked (saving not allowed, or nothing changed). Cancel when
  // the user cancelled the question or the Save As dialog it led to: the command stops. No
  // leaves the changes in place: they are given up only when the command goes on and replaces
  // the line (New, an Open that reads its file) or the program closes (LineClosed).
  std::optional<TAnswer> AskSaveChanges();
  // False only when the Save As dialog was cancelled.
  bool SaveLineOfArgumentation();
  bool SaveLineOfArgumentationAs();
  // Opens a file named without the open dialog (the file given to the program at start-up) as
  // Open does once its dialog has named it, the save-changes question first: false when that
  // question was cancelled. A file that cannot be read throws, leaving the line as it was.
  bool OpenNamedFile(const std::string& Path);
  // False refuses the close.
  bool FormCloseQuery();
  // The program has closed normally: the line's changes are given up and its recovery file
  // goes with them.
  void LineClosed();

  // --- Recovery copy ------------------------------------------------------------------------
  // While the line has unsaved changes, a copy of what a Save would write (with the line's
  // file name) is kept in this program's recovery file in ProgramDir, so that a crash or a
  // kill loses nothing: the next start offers it back. Without StartRecovery nothing is kept.
  void StartRecovery(const std::string& ProgramDir);
  // Brings the recovery file up to date with the line: written while the line is changed,
  // removed otherwise. The platform is told (RecoveryDue) after every change that matters; the
  // window calls this once the change is on the screen. A file that cannot be written is
  // reported once, until a write succeeds again.
  void KeepRecovery();
  // At start-up: when a program that ended without closing left a recovery file, asks once
  // whether to restore its line. Yes replays it as Open does, with its file name and marked as
  // changed; No removes the file. An unreadable one is reported and put aside.
  void OfferRecovery();
  // This program's recovery file; empty without one.
  std::string RecoveryFilePath() const;

  // --- Deletions ----------------------------------------------------------------------------
  bool RemoveStatement(const TStatement& S);
  bool RemoveReasonConclusion(const TReasonConclusion& C);
  bool RemoveException(const TReasonConclusion& C);

  // TLineOfArgumentationHost
  TMessageBoxes& MessageBoxes() override;
  void DeleteStatementFromTranscript(const TStatement& S) override;
  void DeleteReasonConclusionFromTranscript(const TReasonConclusion& C) override;
  void DeleteExceptionFromTranscript(const TReasonConclusion& C) override;

  // --- Click handlers: each logs its text, then does its command ----------------------------
  void BackButtonClick();
  void Back2Click();
  void ForwardButtonClick();
  void Forward2Click();
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

 private:
  // Puts a new empty line in the program's place, named FileName.
  void ReplaceLine(const std::string& FileName);
  // The replay, taking over the stages of an earlier line as long as it makes the same moves.
  void InterpretTranscript(PLineOfArgumentation Earlier);
  // The rebuild shared by Back, Forward and the deletions: a new line with the old name, the
  // text put into the view and replayed, and the result marked as changed.
  void ReplayIntoNewLine(std::vector<std::string> Lines);
  void EnableBackWhenMoves();
  void RevealMove(const TMoveFocus& Focus);
  void SetTitleFromFileName();
  // What a Save writes: the one place that says it, for the file and for the recovery copy.
  std::vector<std::string> LinesToSave() const;
  void WriteTranscriptFile(const std::string& Path);
  // Open once a file has been chosen: logged, read, replayed into a new line.
  void OpenChosenFile(const std::string& Path);
  // Open's replay of a file's lines into a new line named FileName (steps after the reading).
  void ReplayFile(const std::string& FileName, std::vector<std::string> Lines);
  // Handles one recovery file left by a program that is gone; false when it asked nothing.
  bool OfferRecoveryFile(int Number);

  TMainWindowPlatform& Platform;
  TEvaluationLimits Limits;
  std::string RecoveryDirectory;
  std::unique_ptr<TRecoverySlot> RecoverySlot;
  // Whether this run has written its recovery file, which is then its own to remove.
  bool RecoveryFileWritten = false;
  bool RecoveryFailureReported = false;
};

}  // namespace palaver
