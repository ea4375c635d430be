#include "cli/CliSession.h"

#include "model/Statement.h"
#include "session/ProgramState.h"

namespace palaver {

TCliSession::TFreshState::TFreshState(TLanguage Language) {
  ResetProgramState();
  State().Language = Language;
}

TCliSession::TCliSession(TLanguage Language, const TEvaluationLimits& Limits)
    : Fresh(Language), Core(Platform) {
  Platform.Boxes.DefaultAnswer = TAnswer::Yes;
  Core.SetEvaluationLimits(Limits);
}

TCliSession::~TCliSession() {
  ResetProgramState();
}

void TCliSession::Open(const std::string& FileName) {
  Platform.OpenDialogAnswers.emplace_back(FileName);
  Core.Open1Click();
}

void TCliSession::Apply(const TEdit& Edit) {
  const auto Sentence = [&Edit](std::size_t I) { return Edit.Sentences.at(I); };
  switch (Edit.Kind) {
    case TEditKind::Back:
      Core.StepBack();
      break;
    case TEditKind::Forward:
      Core.StepForward();
      break;
    case TEditKind::DeleteStatement:
      // The type plays no part in finding the statement.
      Core.RemoveStatement(TStatement(Sentence(0), TStatementType::Issue));
      break;
    case TEditKind::DeleteConnection: {
      TReasonConclusion C;
      C.Reason->Sentence = Sentence(0);
      C.Conclusion->Sentence = Sentence(1);
      Core.RemoveReasonConclusion(C);
      break;
    }
    case TEditKind::DeleteException: {
      TReasonConclusion C;
      C.Exceptions.Add(NewStatement(Sentence(0), TStatementType::Issue));
      C.Reason->Sentence = Sentence(1);
      C.Conclusion->Sentence = Sentence(2);
      Core.RemoveException(C);
      break;
    }
  }
}

}  // namespace palaver
