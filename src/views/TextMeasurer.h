#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "views/DiagramPicture.h"

namespace palaver {

class TTextMemo;

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
  // Where the texts wrapped in this font are remembered, or null when every text is wrapped
  // anew. Whatever is remembered there is exactly what wrapping with this measurer would give.
  virtual TTextMemo* Memo() const { return nullptr; }
};

// One line of a wrapped text: Length bytes of the text from Start, Width pixels wide.
struct TWrappedLine {
  std::size_t Start = 0;
  std::size_t Length = 0;
  int Width = 0;
  friend bool operator==(const TWrappedLine&, const TWrappedLine&) = default;
};
using TWrappedLines = std::vector<TWrappedLine>;

// What has been measured in one font: the width of each text in each style and the lines each
// text was wrapped to at each width. A diagram asks the same questions again and again (every
// refresh redraws it whole, ShowDiagram lays it out twice, a wrap measures every prefix of a
// line), and each answer costs Qt a full shaping of the text. The memo forgets everything at
// once when it has grown large, so a long session cannot fill the memory with old sentences.
// Like all drawing, it is used from the user-interface thread only.
class TTextMemo {
 public:
  // The memo forgets all widths once it holds MaxWidths of them, and all wrapped texts once it
  // holds MaxWrappings wrappings.
  explicit TTextMemo(std::size_t MaxWidths = std::size_t{1} << 18,
                     std::size_t MaxWrappings = std::size_t{1} << 16)
      : MaxWidths(MaxWidths), MaxWrappings(MaxWrappings) {}

  // The width remembered for Text in Style, or null.
  const int* FindWidth(std::string_view Text, TFontStyle Style) const;
  void AddWidth(std::string_view Text, TFontStyle Style, int Width);
  // The lines remembered for Text wrapped to Width in Style, or null. The pointer is good until
  // the next Add.
  const TWrappedLines* FindLines(std::string_view Text, int Width, TFontStyle Style) const;
  void AddLines(std::string_view Text, int Width, TFontStyle Style, TWrappedLines Lines);
  void Clear();

 private:
  struct THash {
    using is_transparent = void;
    std::size_t operator()(std::string_view Text) const {
      return std::hash<std::string_view>{}(Text);
    }
  };
  template <class T>
  using TByText = std::unordered_map<std::string, T, THash, std::equal_to<>>;
  struct TWrapping {
    int Width = 0;
    TWrappedLines Lines;
  };
  static constexpr std::size_t StyleCount = 3;

  std::size_t MaxWidths;
  std::size_t MaxWrappings;

  std::array<TByText<int>, StyleCount> Widths;
  std::size_t WidthCount = 0;
  // A text is mostly wrapped at one or two widths (ShowDiagram's two passes), so the widths of
  // one text are searched in turn.
  std::array<TByText<std::vector<TWrapping>>, StyleCount> Wrappings;
  std::size_t WrappingCount = 0;
};

// Answers as Measurer does, asking it each question once and remembering the answers in Memo.
class TMemoizingTextMeasurer : public TTextMeasurer {
 public:
  TMemoizingTextMeasurer(const TTextMeasurer& Measurer, TTextMemo& Memo)
      : Measurer(Measurer), TheMemo(Memo) {}

  int TextHeight() const override { return Measurer.TextHeight(); }
  int TextWidth(std::string_view Text, TFontStyle Style) const override;
  TTextMemo* Memo() const override { return &TheMemo; }

 private:
  const TTextMeasurer& Measurer;
  TTextMemo& TheMemo;
};

}  // namespace palaver
