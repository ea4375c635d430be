// The three deletions of a line of argumentation: check that the thing exists in the current
// stage, ask, and hand the confirmed deletion to the host. The host's transcript deletion puts
// a new line in the program's place, so after the hand-over these methods touch no member.

#include "line/LineOfArgumentation.h"
#include "line/LineTexts.h"
#include "session/MessageBoxes.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"

namespace palaver {

namespace {

// The exception a deletion names: the first of the connection's exceptions. A connection
// without one names the empty sentence, which no stage holds as an exception.
const std::string& NamedException(const TReasonConclusion& C) {
  static const std::string None;
  return C.Exceptions.Empty() ? None : C.Exceptions[0]->Sentence;
}

}  // namespace

bool TLineOfArgumentation::AskDeletion(const std::string& Question, const char* ActionText) {
  switch (Host->MessageBoxes().WarningYesNo(Question)) {
    case TAnswer::Yes:
      LogUserAction("Message: Deletion; Answer: Yes");
      LogUserAction(ActionText);
      return true;
    case TAnswer::No:
      LogUserAction("Message: Deletion; Answer: No");
      return false;
    default:
      // Closed without Yes or No: nothing to log.
      return false;
  }
}

bool TLineOfArgumentation::DeleteStatement(const TStatement& S) {
  const TLanguage Language = State().Language;
  if (CurrentStage->IsNewStatement(S)) {
    Host->MessageBoxes().Warning(NonExistingStatementText(Language, S.Sentence));
    LogUserAction("Message: Deletion of non-existing statement");
    return false;
  }
  if (!AskDeletion(DeleteStatementQuestion(Language, S.Sentence), "Delete statement")) return false;
  Host->DeleteStatementFromTranscript(S);
  return true;
}

bool TLineOfArgumentation::DeleteReasonConclusion(const TReasonConclusion& C) {
  const TLanguage Language = State().Language;
  const std::string& Reason = C.Reason->Sentence;
  const std::string& Conclusion = C.Conclusion->Sentence;
  if (CurrentStage->IsNewReasonConclusion(C)) {
    Host->MessageBoxes().Warning(NonExistingReasonConclusionText(Language, Reason, Conclusion));
    LogUserAction("Message: Deletion of non-existing reason/conclusion");
    return false;
  }
  if (!AskDeletion(DeleteReasonConclusionQuestion(Language, Reason, Conclusion),
                   "Delete reason/conclusion"))
    return false;
  Host->DeleteReasonConclusionFromTranscript(C);
  return true;
}

bool TLineOfArgumentation::DeleteException(const TReasonConclusion& C) {
  const TLanguage Language = State().Language;
  const std::string& Exception = NamedException(C);
  const std::string& Reason = C.Reason->Sentence;
  const std::string& Conclusion = C.Conclusion->Sentence;

  bool Exists = false;
  PReasonConclusion Existing;
  if (!C.Exceptions.Empty() && !CurrentStage->IsNewReasonConclusion(C, Existing)) {
    for (const PStatement& X : Existing->Exceptions)
      if (X->Sentence == Exception) Exists = true;
  }
  if (!Exists) {
    Host->MessageBoxes().Warning(NonExistingExceptionText(Language, Exception, Reason, Conclusion));
    LogUserAction("Message: Deletion of non-existing undercutter");
    return false;
  }
  if (!AskDeletion(DeleteExceptionQuestion(Language, Exception, Reason, Conclusion),
                   "Delete exception"))
    return false;
  Host->DeleteExceptionFromTranscript(C);
  return true;
}

}  // namespace palaver
