#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace palaver::differential {

// One step of a generated case, after the transcript has been opened.
struct TOperation {
  enum class TKind {
    StatementMove,
    ReasonConclusionMove,
    ExceptionMove,
    SwitchLanguage,
    Back,
    Forward,
    DeleteStatement,
    DeleteReasonConclusion,
    DeleteException,
  };
  TKind Kind = TKind::StatementMove;
  // Sentences and types ('?' or '!') of the move: exception, conclusion, reason (as needed).
  std::vector<std::string> Sentences;
  std::string Types;
  // For the deletions: which statement, connection or exception, as a number that the case
  // takes modulo what the stage has.
  unsigned Pick = 0;
  // Answers to the questions the operation may ask, in turn ('Y' or 'N').
  std::string Answers;
};

// A generated case: the language to start in, a transcript to open, and what is done after.
struct TCase {
  std::uint64_t Seed = 0;
  bool Dutch = false;
  std::vector<std::string> Transcript;
  std::vector<TOperation> Operations;
};

// The same seed always gives the same case. The cases are small on purpose: the dialectical
// arguments of statements on cycles grow exponentially, in both models alike.
TCase GenerateCase(std::uint64_t Seed);

// The case's transcript, one line a line, for a file that palaver-cli can open.
std::string TranscriptText(const TCase& Case);

}  // namespace palaver::differential
