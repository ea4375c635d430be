#include "model/Statement.h"

namespace palaver {

// Only the defaults: the dialogs and the transcript reader fill in sentences and types at once.
TReasonConclusion::TReasonConclusion() : Reason(NewStatement()), Conclusion(NewStatement()) {
  Conclusion->StatementType = TStatementType::Assumption;
}

}  // namespace palaver
