#pragma once

#include <string_view>

#include "views/DiagramPicture.h"

namespace palaver {

// What the diagram layout needs to know about the font it is drawn in. The Qt backend answers
// from the font actually used; tests answer with fixed numbers.
class TTextMeasurer {
 public:
  virtual ~TTextMeasurer() = default;

  // The height of the text "a": the font's line height. One value for every style, so that the
  // row pitch is the same whatever style the previous box left behind.
  virtual int TextHeight() const = 0;
  // The width of one line of text (UTF-8) in the given style.
  virtual int TextWidth(std::string_view Text, TFontStyle Style) const = 0;
};

}  // namespace palaver
