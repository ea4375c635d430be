#pragma once

#include <utility>
#include <vector>

#include "model/Argument.h"
#include "model/Statement.h"

namespace palaver {

// The arguments of a stage with these lists, as RecomputeArguments defines them. Ends, when
// given, holds per connection the indexes of its reason and its conclusion among Statements.
TArguments BuildArguments(const TStatements& Statements, const TReasonConclusions& Connections,
                          const std::vector<std::pair<int, int>>* Ends = nullptr);

}  // namespace palaver
