#include "model/WarrantSentences.h"

namespace palaver {

// A warrant statement is recognised only by comparing sentences with these builders, so every
// byte of the fixed pieces matters: the statuses, the deletions and the transcript all rely on
// producing exactly the same text.

std::string StepWarrantSentence(const std::string& Reason, const std::string& Conclusion,
                                TConnectionKind Kind, TLanguage Language) {
  const bool Dutch = Language == TLanguage::Dutch;
  const bool Defeating = Kind == TConnectionKind::Defeating;
  std::string Sentence = Dutch ? "(ALS " : "(IF ";
  Sentence += Reason;
  if (Dutch)
    Sentence += Defeating ? ", DAN IS HET WEERLEGD DAT " : ", DAN ";
  else
    Sentence += Defeating ? ", THEN IT IS DEFEATED THAT " : ", THEN ";
  Sentence += Conclusion;
  Sentence += ")";
  return Sentence;
}

std::string UndercutterWarrantSentence(const std::string& Exception, const std::string& Reason,
                                       const std::string& Conclusion, TLanguage Language) {
  if (Language == TLanguage::Dutch) {
    return "(DE BEWERING DAT " + Exception + ", IS EEN UITZONDERING OP DE REGEL DAT ALS " + Reason +
           ", DAN " + Conclusion + ")";
  }
  return "(THE STATEMENT THAT " + Exception + ", IS AN EXCEPTION TO THE RULE THAT, IF " + Reason +
         ", THEN " + Conclusion + ")";
}

}  // namespace palaver
