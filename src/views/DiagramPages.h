#pragma once

#include <vector>

#include "views/DiagramPicture.h"

namespace palaver {

// One page's part of a drawing: the rows Top .. Bottom - 1 of the picture.
struct TPageSlice {
  int Top = 0;
  int Bottom = 0;
  friend bool operator==(const TPageSlice&, const TPageSlice&) = default;
};

// Cuts the picture into slices at most SliceHeight pixels high, each as high as it can be, cut
// only where no box, text, icon, arrowhead or cross is cut: between rows. Only the long vertical
// connectors cross a cut. A single box taller than a page is cut where the page ends. An empty
// picture is one empty slice, so that it still prints as one page.
std::vector<TPageSlice> PageSlices(const TDiagramPicture& Picture, int SliceHeight);

}  // namespace palaver
