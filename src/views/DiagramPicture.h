#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace palaver {

class TDialecticalArgument;
class TStatement;

// The diagram's drawing vocabulary, free of any toolkit: the layout emits these primitives and a
// painter backend turns them into pixels. Coordinates are the surface's logical pixels.

struct TDiagramColour {
  std::uint8_t Red = 0;
  std::uint8_t Green = 0;
  std::uint8_t Blue = 0;
  friend bool operator==(const TDiagramColour&, const TDiagramColour&) = default;
};

inline constexpr TDiagramColour BlueColour{0, 0, 255};
inline constexpr TDiagramColour TealColour{0, 128, 128};
inline constexpr TDiagramColour GreyColour{128, 128, 128};
inline constexpr TDiagramColour RedColour{255, 0, 0};
inline constexpr TDiagramColour BlackColour{0, 0, 0};
inline constexpr TDiagramColour WhiteColour{255, 255, 255};

enum class TPenStyle : std::uint8_t { Solid, Dotted };
enum class TFontStyle : std::uint8_t { Regular, Bold, Italic };

struct TDiagramPen {
  TDiagramColour Colour = BlackColour;
  TPenStyle Style = TPenStyle::Solid;
  friend bool operator==(const TDiagramPen&, const TDiagramPen&) = default;
};

struct TDiagramFont {
  TDiagramColour Colour = BlackColour;
  TFontStyle Style = TFontStyle::Regular;
  friend bool operator==(const TDiagramFont&, const TDiagramFont&) = default;
};

struct TDiagramPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TDiagramPoint&, const TDiagramPoint&) = default;
};

// Right and Bottom are exclusive: the rectangle covers columns Left .. Right - 1 and rows
// Top .. Bottom - 1.
struct TDiagramRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Intersects(const TDiagramRect& Other) const {
    return Left < Other.Right && Other.Left < Right && Top < Other.Bottom && Other.Top < Bottom;
  }
  friend bool operator==(const TDiagramRect&, const TDiagramRect&) = default;
};

enum class TPrimitiveKind : std::uint8_t { Clear, Box, Line, Text, Icon };

// One drawing operation. Bounds holds every pixel the operation sets:
// - Clear: the surface's rectangle, filled with the pen colour (white);
// - Box: the frame, drawn with Pen, filled white; its last column is Bounds.Right - 1;
// - Line: from From (drawn) to To (not drawn), with Pen; Bounds encloses the drawn pixels;
// - Text: one line of text in Font, its top left at (Bounds.Left, Bounds.Top), on a white cell
//   as wide as the text and one text height high (glyphs may overhang that cell slightly);
// - Icon: status image ImageIndex, 16 x 16, its top left at (Bounds.Left, Bounds.Top).
struct TDiagramPrimitive {
  TPrimitiveKind Kind = TPrimitiveKind::Clear;
  TDiagramRect Bounds;
  TDiagramPoint From;
  TDiagramPoint To;
  TDiagramPen Pen;
  TDiagramFont Font;
  std::string Text;
  int ImageIndex = -1;
};

inline constexpr int DiagramIconSize = 16;

// The last pixel a line from From to To sets, To itself being left out: one step back from To
// along the line's longer axis. Only meaningful when From != To (such a line sets no pixel).
TDiagramPoint LastLinePoint(TDiagramPoint From, TDiagramPoint To);

TDiagramPrimitive MakeClearPrimitive(const TDiagramRect& Surface);
TDiagramPrimitive MakeBoxPrimitive(const TDiagramRect& Box, const TDiagramPen& Pen);
TDiagramPrimitive MakeLinePrimitive(TDiagramPoint From, TDiagramPoint To, const TDiagramPen& Pen);
TDiagramPrimitive MakeTextPrimitive(TDiagramPoint At, int Width, int Height, std::string Text,
                                    const TDiagramFont& Font);
TDiagramPrimitive MakeIconPrimitive(TDiagramPoint At, int ImageIndex);

// One statement box of a drawing and what it stands for, so that the window can say what a box
// means and find the box of a statement. The pointers point into the stage the picture was drawn
// from and are only good while that stage lives. DialecticalArgument is the one whose conclusion
// the box shows (its Status is the box's colour); the statements drawing has none.
struct TDiagramBox {
  TDiagramRect Bounds;
  const TStatement* Statement = nullptr;
  const TDialecticalArgument* DialecticalArgument = nullptr;
};

// A finished drawing: its primitives in drawing order and the size the surface must have.
// Primitives are also filed in horizontal bands so that a repaint of a small exposed area of a
// very tall diagram touches only the primitives near it.
class TDiagramPicture {
 public:
  int Width = 0;
  int Height = 0;

  // The statement boxes, in drawing order.
  std::vector<TDiagramBox> Boxes;

  const std::vector<TDiagramPrimitive>& Primitives() const { return Items; }
  void Add(TDiagramPrimitive Primitive);
  // Drops every primitive and box; the surface's size stays.
  void ClearPrimitives();
  // The box that holds the point, or null.
  const TDiagramBox* BoxAt(int X, int Y) const;
  // Indices of the primitives whose bounds meet Area, in drawing order.
  std::vector<std::size_t> PrimitivesIn(const TDiagramRect& Area) const;

 private:
  // Bands of level 0 are BandHeight rows high, those of each further level BandLevelFactor times
  // as high. A primitive is filed at the finest level at which it meets at most two bands, so
  // that a connector running down the whole of a tall diagram is one or two entries, not one in
  // every band it crosses.
  static constexpr int BandHeight = 256;
  static constexpr int BandLevelFactor = 8;
  struct TBandLevel {
    // The entries of band b are Entries[BandStart[b]] .. Entries[BandStart[b + 1] - 1], in
    // increasing order.
    std::vector<std::uint32_t> BandStart;
    std::vector<std::uint32_t> Entries;
  };

  // The bands are filed by the first search after the drawing changed, in one pass over all
  // primitives: a picture that is replaced before it is painted (ShowDiagram's first layout of
  // a tall diagram) never pays for them. Like all drawing, used from one thread only.
  void FileInBands() const;

  std::vector<TDiagramPrimitive> Items;
  mutable std::vector<TBandLevel> Levels;
  mutable bool Filed = false;
};

}  // namespace palaver
