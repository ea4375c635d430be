#pragma once

#include <string_view>

#include "views/TextMeasurer.h"

namespace palaver::test {

// Text metrics of a made-up font: every character (not byte) is CharWidth pixels wide in the
// regular and italic styles and BoldCharWidth in bold, and the text height is 13, as in the
// font the diagram was designed for.
class TFixedMeasurer : public TTextMeasurer {
 public:
  explicit TFixedMeasurer(int CharWidth = 6, int BoldCharWidth = 6, int Height = 13)
      : CharWidth(CharWidth), BoldCharWidth(BoldCharWidth), Height(Height) {}

  int TextHeight() const override { return Height; }
  int TextWidth(std::string_view Text, TFontStyle Style) const override {
    int Characters = 0;
    for (const char C : Text)
      if ((static_cast<unsigned char>(C) & 0xC0) != 0x80) ++Characters;
    return Characters * (Style == TFontStyle::Bold ? BoldCharWidth : CharWidth);
  }

 private:
  int CharWidth;
  int BoldCharWidth;
  int Height;
};

}  // namespace palaver::test
