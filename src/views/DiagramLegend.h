#pragma once

#include <string>
#include <vector>

#include "model/DialecticalArgument.h"
#include "session/Language.h"

namespace palaver {

// The marks of the diagram that the legend explains, one example each.
enum class TLegendMark {
  JustifiedBox,
  UnjustifiedBox,
  SupportingStep,
  DefeatingStep,
  UnjustifiedReason,
  UnjustifiedStepWarrant,
  ActiveException,
  InactiveException,
  UnjustifiedUndercutterWarrant,
  StructureOnly,
};

// One row of the legend: a small diagram, drawn by the diagram's own layout and painter, and one
// line that says what it shows. The example's statements and statuses are those the status
// computation gives such an argument; its sentences are in the legend's language.
struct TLegendEntry {
  TLegendMark Mark;
  TDialecticalArguments Example;
  bool ShowStructureOnly = false;
  std::string Explanation;
};

// Every mark of the diagram, in the order the legend shows them.
std::vector<TLegendEntry> DiagramLegend(TLanguage Language);

// The legend window's title and the line above its examples.
std::string LegendTitle(TLanguage Language);
std::string LegendIntroduction(TLanguage Language);
// The line below it that says how to get around a large diagram: zoom and find.
std::string LegendNavigation(TLanguage Language);

}  // namespace palaver
