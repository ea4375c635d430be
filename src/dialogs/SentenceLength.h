#pragma once

#include <cstddef>
#include <string>

#include "session/Language.h"

namespace palaver {

// What a sentence of a move dialog is: one the user typed or picked, or a warrant the dialog
// builds from them when asked to add it.
enum class TSentenceRole {
  Statement,
  Reason,
  Conclusion,
  Exception,
  StepWarrant,
  UndercutterWarrant
};

// Whether the sentence fits a line of a line-of-argumentation file whole, so that opening the
// file again gives it back as it was (MaxSentenceLength bytes of UTF-8).
bool FitsTranscriptLine(const std::string& Sentence);

// The notice that a sentence of Length bytes is too long to be saved, with how long it may be; for
// a warrant also what the user can do about it.
std::string SentenceTooLongText(TLanguage Language, TSentenceRole Role, std::size_t Length);
// The log's name of that notice.
inline constexpr const char* SentenceTooLongMessage = "Message: Sentence too long; Answer: OK";

}  // namespace palaver
