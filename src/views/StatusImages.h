#pragma once

#include <QImage>

namespace palaver {

// The status image list shared by the diagram and the arguments tree: eight 16 x 16 images,
// white where nothing is drawn.
enum TStatusImage : int {
  AssumptionMarkImage = 0,       // a black "!"
  IssueMarkImage = 1,            // a black "?"
  CrossImage = 2,                // a red diagonal cross
  JustifiedPlusImage = 3,        // a green plus
  UnjustifiedCircleImage = 4,    // a grey circle
  PlusOverMinusImage = 5,        // a grey plus over a minus
  SmallAssumptionMarkImage = 6,  // a small black "!" in the lower left corner
  SmallIssueMarkImage = 7,       // a small black "?" in the lower left corner
};

inline constexpr int StatusImageCount = 8;
inline constexpr int StatusImageSize = 16;

// The arguments tree lays a type mark over a node's status image: overlay 0 is image 6 (the
// small "!"), overlay 1 is image 7 (the small "?").
inline constexpr int AssumptionOverlay = 0;
inline constexpr int IssueOverlay = 1;
inline constexpr int OverlayImage(int Overlay) {
  return SmallAssumptionMarkImage + Overlay;
}

// Image Index of the list; an index outside the list gives a blank (white) image.
QImage StatusImage(int Index);

// Image Index with image OverlayIndex laid over it: the overlay's white pixels let the image
// show through.
QImage StatusImageWithOverlay(int Index, int OverlayIndex);

}  // namespace palaver
