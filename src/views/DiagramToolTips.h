#pragma once

#include <string>

#include "model/DialecticalArgument.h"
#include "model/Statement.h"
#include "session/Language.h"

namespace palaver {

// What a statement box of the diagram tells a reader who points at it, in the given language:
// a first line with the statement's Id, its type and its status in words, e.g.
//   Statement 4: issue, justified
// and then, when D is given, why D (the dialectical argument the box draws) has that status:
// which reasons support the conclusion, which warrants and exceptions stop a step and which
// exceptions do not, e.g.
//   Justified: supported by 3 "it rains" (reason), not blocked by 5 "the roof leaks" (exception,
//   unjustified)
// Without D the status is the statement's own JustificationStatus. Lines are separated by "\n".
std::string BoxToolTip(const TStatement& S, const TDialecticalArgument* D, TLanguage Language);

// The statement as the tooltips name another one: its Id and the start of its sentence in quotes,
// e.g. 3 "it rains". Long sentences are cut after a few words' worth of characters and end in
// an ellipsis.
std::string StatementReference(const TStatement& S);

}  // namespace palaver
