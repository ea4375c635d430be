#include "views/DiagramFocus.h"

#include <algorithm>

#include "model/DialecticalArgument.h"

namespace palaver {

namespace {

bool HasSentence(const PStatement& S, const std::string& Sentence) {
  return S && S->Sentence == Sentence;
}

TDiagramRect Union(const TDiagramRect& A, const TDiagramRect& B) {
  return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right),
          std::max(A.Bottom, B.Bottom)};
}

// The dialectical arguments under D that a step's change shows in: the reason's for a step from
// Statement, or the exception's for an exception Statement to the step from Reason.
std::vector<const TDialecticalArgument*> ChangedParts(const TDialecticalArgument& D,
                                                      const std::string& Statement,
                                                      const std::string& Reason) {
  std::vector<const TDialecticalArgument*> Parts;
  for (int I = 0; I < D.Steps.Count(); ++I) {
    const TStep* T = D.Steps[I].get();
    if (T == nullptr) continue;
    if (Reason.empty()) {
      if (HasSentence(T->Reason, Statement) && I < D.InitialDialecticalArguments.Count())
        Parts.push_back(D.InitialDialecticalArguments[I].get());
      continue;
    }
    if (!HasSentence(T->Reason, Reason)) continue;
    for (int J = 0; J < T->Undercutters.Count(); ++J)
      if (T->Undercutters[J] && HasSentence(T->Undercutters[J]->Exception, Statement) &&
          J < T->UndercuttingDialecticalArguments.Count())
        Parts.push_back(T->UndercuttingDialecticalArguments[J].get());
  }
  return Parts;
}

}  // namespace

std::vector<TDiagramFocus> ChangedBoxes(const TDiagramPicture& Picture,
                                        const std::string& Statement, const std::string& Conclusion,
                                        const std::string& Reason) {
  std::vector<TDiagramFocus> Found;
  const std::vector<TDiagramBox>& Boxes = Picture.Boxes;
  if (!Conclusion.empty()) {
    for (std::size_t I = 0; I < Boxes.size(); ++I) {
      const TDialecticalArgument* D = Boxes[I].DialecticalArgument;
      if (D == nullptr || !HasSentence(D->Conclusion, Conclusion)) continue;
      // A part is drawn below its conclusion, before the next box of the same argument.
      for (const TDialecticalArgument* Part : ChangedParts(*D, Statement, Reason)) {
        const auto Box = std::find_if(Boxes.begin() + static_cast<long>(I) + 1, Boxes.end(),
                                      [Part](const TDiagramBox& B) {
                                        return Part != nullptr && B.DialecticalArgument == Part;
                                      });
        if (Box != Boxes.end()) Found.push_back({Union(Boxes[I].Bounds, Box->Bounds), Box->Bounds});
      }
    }
    if (!Found.empty()) return Found;
  }
  for (const TDiagramBox& Box : Boxes)
    if (Box.Statement != nullptr && Box.Statement->Sentence == Statement)
      Found.push_back({Box.Bounds, Box.Bounds});
  return Found;
}

}  // namespace palaver
