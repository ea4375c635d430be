#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "line/LineOfArgumentation.h"
#include "session/MessageBoxes.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"
#include "support/FixedClock.h"

namespace palaver::test {

// The program state reset for one test and again after it; declare it before anything that
// sets up state.
struct TCleanState {
  TCleanState() { ResetProgramState(); }
  ~TCleanState() { ResetProgramState(); }
  TCleanState(const TCleanState&) = delete;
  TCleanState& operator=(const TCleanState&) = delete;
};

// A log in a fresh temporary directory, read back as the texts the program logged.
class TLogCapture {
 public:
  TLogCapture() {
    char Template[] = "/tmp/palaver-line-XXXXXX";
    Dir = mkdtemp(Template);
    SetLogServices(&Clock, nullptr);
    State().LoggingOn = true;
    CreateLogFile(Dir);
  }
  ~TLogCapture() {
    SetLogServices(nullptr, nullptr);
    std::error_code Error;
    std::filesystem::remove_all(Dir, Error);
  }
  // The logged texts without their time stamps, after the four header lines.
  std::vector<std::string> Texts() const {
    std::vector<std::string> Result;
    const auto& Lines = State().LogLines;
    for (std::size_t I = 4; I < Lines.size(); ++I)
      Result.push_back(Clock.Unstamped(Lines[I]));
    return Result;
  }

  std::string Dir;

 private:
  TFixedClock Clock;
};

// Records every box and answers from a queue (Yes when it is empty).
class TRecordingBoxes final : public TMessageBoxes {
 public:
  std::deque<TAnswer> Answers;
  std::vector<std::string> Texts;
  std::vector<std::string> Kinds;

  void Warning(const std::string& Text) override { Record("Warning", Text); }
  TAnswer WarningYesNo(const std::string& Text) override { return Answer("WarningYesNo", Text); }
  TAnswer WarningYesNoCancel(const std::string& Text) override {
    return Answer("WarningYesNoCancel", Text);
  }
  TAnswer Confirmation(const std::string& Text) override { return Answer("Confirmation", Text); }
  void ShowError(const std::string& Text) override { Record("Error", Text); }

 private:
  void Record(const char* Kind, const std::string& Text) {
    Kinds.push_back(Kind);
    Texts.push_back(Text);
  }
  TAnswer Answer(const char* Kind, const std::string& Text) {
    Record(Kind, Text);
    if (Answers.empty()) return TAnswer::Yes;
    const TAnswer A = Answers.front();
    Answers.pop_front();
    return A;
  }
};

// A host that records the transcript deletions handed to it and, like the main window, puts a
// new line in the program's place while the old line is still in its call.
class TRecordingHost final : public TLineOfArgumentationHost {
 public:
  TRecordingBoxes Boxes;
  std::vector<std::string> Deletions;
  // The number of log lines when the deletion arrived.
  std::size_t LogLinesAtDeletion = 0;

  TMessageBoxes& MessageBoxes() override { return Boxes; }
  void DeleteStatementFromTranscript(const TStatement& S) override {
    Hand("statement " + S.Sentence);
  }
  void DeleteReasonConclusionFromTranscript(const TReasonConclusion& C) override {
    Hand("connection " + C.Reason->Sentence + " -> " + C.Conclusion->Sentence);
  }
  void DeleteExceptionFromTranscript(const TReasonConclusion& C) override {
    Hand("exception " + C.Exceptions[0]->Sentence);
  }

 private:
  void Hand(std::string What) {
    Deletions.push_back(std::move(What));
    LogLinesAtDeletion = State().LogLines.size();
    State().LineOfArgumentation = std::make_shared<TLineOfArgumentation>(*this);
  }
};

inline PStatement Issue(const std::string& Sentence) {
  return NewStatement(Sentence, TStatementType::Issue);
}
inline PStatement Assumption(const std::string& Sentence) {
  return NewStatement(Sentence, TStatementType::Assumption);
}
inline PReasonConclusion Connection(PStatement Reason, PStatement Conclusion) {
  PReasonConclusion C = NewReasonConclusion();
  C->Reason = std::move(Reason);
  C->Conclusion = std::move(Conclusion);
  return C;
}
inline PReasonConclusion ExceptionConnection(PStatement Exception, PStatement Reason,
                                             PStatement Conclusion) {
  PReasonConclusion C = Connection(std::move(Reason), std::move(Conclusion));
  C->Exceptions.Add(std::move(Exception));
  return C;
}

using TLines = std::vector<std::string>;

}  // namespace palaver::test
