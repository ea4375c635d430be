#pragma once

#include <string>

#include "model/EvaluationLimit.h"
#include "session/Language.h"

namespace palaver {

// The questions and notices of the line of argumentation, in both languages. They are plain
// concatenations of fixed pieces and the user's sentences; "\r\n" breaks a line.

// The sentence is already there with the same type.
std::string ReAddingStatementText(TLanguage Language, const std::string& Sentence);
// The sentence is already there with another type: may it be overruled?
std::string StatementOverrulingQuestion(TLanguage Language, const std::string& Sentence);

// The part a statement plays in a connection move, for the overruling notes.
enum class TMoveRole { Exception, Reason, Conclusion };

// One note of an overruling question. The Dutch reason/conclusion move ends its notes without a
// full stop, the exception move with ". ": InExceptionMove picks which.
std::string OverrulingNote(TLanguage Language, TMoveRole Role, const std::string& Sentence,
                           bool InExceptionMove);
std::string ReasonConclusionOverrulingQuestion(TLanguage Language, const std::string& Notes);
std::string ExceptionOverrulingQuestion(TLanguage Language, const std::string& Notes);

std::string NonExistingStatementText(TLanguage Language, const std::string& Sentence);
std::string DeleteStatementQuestion(TLanguage Language, const std::string& Sentence);
std::string NonExistingReasonConclusionText(TLanguage Language, const std::string& Reason,
                                            const std::string& Conclusion);
std::string DeleteReasonConclusionQuestion(TLanguage Language, const std::string& Reason,
                                           const std::string& Conclusion);
std::string NonExistingExceptionText(TLanguage Language, const std::string& Exception,
                                     const std::string& Reason, const std::string& Conclusion);
std::string DeleteExceptionQuestion(TLanguage Language, const std::string& Exception,
                                    const std::string& Reason, const std::string& Conclusion);

// A move was not made because its stage would pass an evaluation limit. The first says so after
// a move of the user's; the second after a replay that stopped at such a move, having made the
// Made moves before it.
std::string EvaluationLimitText(TLanguage Language, const TEvaluationLimitReached& Limit);
std::string ReplayLimitText(TLanguage Language, const TEvaluationLimitReached& Limit, int Made);
// The log's name of these messages.
inline constexpr const char* EvaluationLimitMessage = "Message: Evaluation limit; Answer: OK";

}  // namespace palaver
