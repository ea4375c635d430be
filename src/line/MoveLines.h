#pragma once

#include <string>
#include <vector>

#include "model/Statement.h"

namespace palaver {

// The keywords that the moves write into their transcript entries. The reader knows a few more
// (transcript/TranscriptFormat.h); these are the ones every entry is built from.
inline constexpr const char* StatementKeyword = "STATEMENT";
inline constexpr const char* ConclusionKeyword = "CONCLUSION";
inline constexpr const char* ReasonKeyword = "REASON";
inline constexpr const char* ExceptionKeyword = "EXCEPTION";

// "  ?: " + sentence for an Issue, "  !: " + sentence for an Assumption. The sentence goes in
// unchanged: a reader takes off exactly five characters, so leading and trailing blanks survive.
inline std::string StatementLine(const TStatement& S) {
  return std::string("  ") + TypeMark(S.StatementType) + ": " + S.Sentence;
}

// The entries of the three moves, each ending with its empty line, written from the objects the
// move carries (the types they carry are the types the move gives).
inline std::vector<std::string> StatementMoveLines(const TStatement& S) {
  return {StatementKeyword, StatementLine(S), ""};
}
inline std::vector<std::string> ReasonConclusionMoveLines(const TReasonConclusion& C) {
  return {ConclusionKeyword, StatementLine(*C.Conclusion), ReasonKeyword, StatementLine(*C.Reason),
          ""};
}
// C carries the exception at index 0 of its Exceptions.
inline std::vector<std::string> ExceptionMoveLines(const TReasonConclusion& C) {
  return {ExceptionKeyword,
          StatementLine(*C.Exceptions[0]),
          ConclusionKeyword,
          StatementLine(*C.Conclusion),
          ReasonKeyword,
          StatementLine(*C.Reason),
          ""};
}

}  // namespace palaver
