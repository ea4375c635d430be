#pragma once

#include <QIcon>
#include <array>

namespace palaver {

// The status images as the arguments tree holds them: an image list of the eight 16 x 16
// status images in which some images are also registered as overlays, small pictures laid over
// a node's image. Qt's views know no overlays, so a node's icon is composed here from the image
// and the overlay's image.
class TStatusIconsImageList {
 public:
  // Overlay numbers 0 to 3 can be registered.
  static constexpr int OverlayCount = 4;

  TStatusIconsImageList() { OverlayImages.fill(-1); }

  // Registers image ImageIndex as overlay number Overlay; an overlay number out of range is
  // ignored.
  void Overlay(int ImageIndex, int Overlay);
  // The image registered as overlay number Overlay, or -1 when none is.
  int OverlayImageIndex(int Overlay) const;

  // Image ImageIndex with the image of overlay Overlay laid over it, or the plain image while
  // that overlay is not registered. The selected state shows the same picture, so selecting a
  // node does not change its look.
  QIcon NodeIcon(int ImageIndex, int Overlay) const;

 private:
  std::array<int, OverlayCount> OverlayImages{};
};

}  // namespace palaver
