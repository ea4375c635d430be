#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/Statement.h"
#include "session/Language.h"

namespace palaver {

// The rule that licenses the step from Reason to Conclusion, as a statement sentence, e.g.
// "(IF a, THEN b)". The sentences are joined as they are, without trimming.
std::string StepWarrantSentence(const std::string& Reason, const std::string& Conclusion,
                                TConnectionKind Kind, TLanguage Language);

// The rule that Exception blocks the step from Reason to Conclusion, as a statement sentence.
// It has one form whatever the kind of the connection.
std::string UndercutterWarrantSentence(const std::string& Exception, const std::string& Reason,
                                       const std::string& Conclusion, TLanguage Language);

// A sentence as the pieces it is joined from, for looking it up without building it. The pieces
// point into the fixed texts and into the sentences they were made from.
struct TSentencePieces {
  std::array<std::string_view, 7> Piece;
  int Count = 0;
};
TSentencePieces StepWarrantPieces(std::string_view Reason, std::string_view Conclusion,
                                  TConnectionKind Kind, TLanguage Language);
TSentencePieces UndercutterWarrantPieces(std::string_view Exception, std::string_view Reason,
                                         std::string_view Conclusion, TLanguage Language);

// A hash of a sentence that is the same for the sentence and for the pieces it is joined from.
std::uint64_t SentenceHash(std::string_view Sentence);
std::uint64_t SentenceHash(const TSentencePieces& Pieces);
// The sentence is the pieces joined.
bool IsSentence(std::string_view Sentence, const TSentencePieces& Pieces);

}  // namespace palaver
