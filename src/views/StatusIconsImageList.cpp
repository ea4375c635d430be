#include "views/StatusIconsImageList.h"

#include <QPixmap>

#include "views/StatusImages.h"

namespace palaver {

void TStatusIconsImageList::Overlay(int ImageIndex, int Overlay) {
  if (Overlay < 0 || Overlay >= OverlayCount) return;
  OverlayImages[static_cast<std::size_t>(Overlay)] = ImageIndex;
}

int TStatusIconsImageList::OverlayImageIndex(int Overlay) const {
  if (Overlay < 0 || Overlay >= OverlayCount) return -1;
  return OverlayImages[static_cast<std::size_t>(Overlay)];
}

QIcon TStatusIconsImageList::NodeIcon(int ImageIndex, int Overlay) const {
  const int OverlayImage = OverlayImageIndex(Overlay);
  const QPixmap Picture =
      QPixmap::fromImage(OverlayImage < 0 ? StatusImage(ImageIndex)
                                          : StatusImageWithOverlay(ImageIndex, OverlayImage));
  QIcon Icon;
  // Without a picture of its own for the selected state, the style would tint the image with
  // the selection colour.
  Icon.addPixmap(Picture, QIcon::Normal);
  Icon.addPixmap(Picture, QIcon::Selected);
  return Icon;
}

}  // namespace palaver
