#pragma once

#include <string>

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

}  // namespace palaver
