#pragma once

#include "model/DialecticalArgument.h"

namespace palaver::test {

// The maximal dialectical arguments of a large connected acyclic argumentation, built directly as
// a dialectical-argument tree (building it through moves would time the model, not the diagram).
//
// The argumentation is a tree of reasons at most 8 levels deep under one root conclusion; about
// 1 % of the leaf reasons also support a second conclusion; about half of the connections have
// their step warrant as a statement, about a fifth an exception (a new statement), a quarter of
// those also the undercutter warrant. Sentences run from 4 to 15 words, warrants are longer;
// types are mixed and the statuses follow from them as the status computation would give them.
// The root's dialectical argument holds the whole argumentation, so it is the only maximal one.
struct TDiagramShape {
  TDialecticalArguments MaximalDialecticalArguments;
  int StatementCount = 0;
  int ConnectionCount = 0;
  // The number of boxes the diagram draws: a statement reached along two connections is drawn
  // twice.
  int BoxCount = 0;
};

// The same StatementCount and Seed always give the same shape.
TDiagramShape BuildDiagramShape(int StatementCount, unsigned Seed = 1);

}  // namespace palaver::test
