#include "views/DiagramPages.h"

#include <algorithm>
#include <utility>

namespace palaver {

namespace {

// A line this short is part of a mark (an arrowhead, a cross, the short stroke from a box to its
// connector) and must stay whole on one page; a longer vertical one is a connector.
constexpr int MarkHeight = 10;

// The row spans that a cut must not pass through, merged and in order.
std::vector<std::pair<int, int>> SolidSpans(const TDiagramPicture& Picture) {
  std::vector<std::pair<int, int>> Spans;
  for (const TDiagramPrimitive& P : Picture.Primitives()) {
    if (P.Kind == TPrimitiveKind::Clear || P.Bounds.IsEmpty()) continue;
    if (P.Kind == TPrimitiveKind::Line && P.Bounds.Height() > MarkHeight) continue;
    Spans.emplace_back(P.Bounds.Top, P.Bounds.Bottom);
  }
  std::sort(Spans.begin(), Spans.end());
  std::vector<std::pair<int, int>> Merged;
  for (const auto& Span : Spans) {
    if (!Merged.empty() && Span.first < Merged.back().second)
      Merged.back().second = std::max(Merged.back().second, Span.second);
    else
      Merged.push_back(Span);
  }
  return Merged;
}

}  // namespace

std::vector<TPageSlice> PageSlices(const TDiagramPicture& Picture, int SliceHeight) {
  const int Height = std::max(Picture.Height, 0);
  SliceHeight = std::max(SliceHeight, 1);
  std::vector<TPageSlice> Slices;
  if (Height == 0) return {{0, 0}};
  const std::vector<std::pair<int, int>> Spans = SolidSpans(Picture);
  int Top = 0;
  while (Top < Height) {
    int Cut = std::min(Top + SliceHeight, Height);
    if (Cut < Height) {
      // The span that the cut would run through, if any: the last one starting above the cut.
      const auto After =
          std::upper_bound(Spans.begin(), Spans.end(), std::make_pair(Cut, Cut),
                           [](const auto& A, const auto& B) { return A.first < B.first; });
      if (After != Spans.begin()) {
        const auto& Span = *std::prev(After);
        // Cut above the span when that still leaves something on this page, unless the span
        // would not fit on a page of its own either.
        if (Span.first < Cut && Cut < Span.second && Span.first > Top &&
            Span.second - Span.first <= SliceHeight)
          Cut = Span.first;
      }
    }
    Slices.push_back({Top, Cut});
    Top = Cut;
  }
  return Slices;
}

}  // namespace palaver
