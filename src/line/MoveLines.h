#pragma once

#include <string>

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

}  // namespace palaver
