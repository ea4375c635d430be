#pragma once

#include <memory>

#include "model/ObjectList.h"
#include "model/Statement.h"

namespace palaver {

class TDialecticalArgument;
class TStep;
class TUndercutter;
using PDialecticalArgument = std::shared_ptr<TDialecticalArgument>;
using PStep = std::shared_ptr<TStep>;
using PUndercutter = std::shared_ptr<TUndercutter>;
using TDialecticalArguments = TObjectList<TDialecticalArgument>;
using TSteps = TObjectList<TStep>;
using TUndercutters = TObjectList<TUndercutter>;

// The tree that decides one statement's status: a step per connection concluding it, with the
// dialectical arguments of the step's reason, of its warrant (when that is a statement) and of
// each exception and undercutter warrant. A tree, never a graph: a statement that occurs in
// several places has a dialectical argument of its own in each.
class TDialecticalArgument {
 public:
  PStatement Conclusion;
  TSteps Steps;
  // Parallel to Steps: element i is the dialectical argument for the reason of step i.
  TDialecticalArguments InitialDialecticalArguments;
  TJustificationStatus Status = TJustificationStatus::NotEvaluated;
};

class TStep {
 public:
  PStatement Conclusion;
  PStatement Reason;
  TConnectionKind ConnectionKind = TConnectionKind::Supporting;
  // Present only when the step warrant sentence is a statement of the stage.
  PDialecticalArgument WarrantingDialecticalArgument;
  bool WarrantUnjustified = false;
  TUndercutters Undercutters;
  // Parallel to Undercutters: element j is the dialectical argument for exception j.
  TDialecticalArguments UndercuttingDialecticalArguments;
};

class TUndercutter {
 public:
  PStatement Exception;
  PStatement Conclusion;
  PStatement Reason;
  // Present only when the undercutter warrant sentence is a statement of the stage.
  PDialecticalArgument WarrantingDialecticalArgument;
  bool WarrantUnjustified = false;
};

}  // namespace palaver
