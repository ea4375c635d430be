#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "views/TextMeasurer.h"

namespace palaver {

// Breaks Text into the lines a word-wrapping multi-line text control of width Width would show:
// lines break at spaces (the spaces at a break are dropped), every line fits Width in the given
// style unless it holds a single character, a word longer than a line is broken between
// characters, and an explicit line break (CR LF, LF or CR) always ends a line (one at the very
// end of the text opens no further line). Always returns at least one line; an empty text gives
// one empty line. Each line comes with its width, as the measurer gives it.
//
// When the measurer has a memo, a text wrapped before at this width and style is answered from
// it, and a new one is remembered there.
TWrappedLines WrapTextLines(std::string_view Text, int Width, TFontStyle Style,
                            const TTextMeasurer& Measurer);

// The same lines as text.
std::vector<std::string> WrapText(std::string_view Text, int Width, TFontStyle Style,
                                  const TTextMeasurer& Measurer);

}  // namespace palaver
