#include "views/DiagramPicture.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace palaver {

namespace {

int Sign(int Value) {
  return (Value > 0) - (Value < 0);
}

// Rounds Numerator / Denominator to the nearest integer, halves away from zero.
int RoundedQuotient(long long Numerator, long long Denominator) {
  if (Denominator < 0) {
    Numerator = -Numerator;
    Denominator = -Denominator;
  }
  const long long Half = Denominator / 2;
  return static_cast<int>(Numerator >= 0 ? (Numerator + Half) / Denominator
                                         : -((-Numerator + Half) / Denominator));
}

}  // namespace

TDiagramPoint LastLinePoint(TDiagramPoint From, TDiagramPoint To) {
  const int Dx = To.X - From.X;
  const int Dy = To.Y - From.Y;
  if (Dx == 0 && Dy == 0) return From;
  if (std::abs(Dx) >= std::abs(Dy)) {
    const int X = To.X - Sign(Dx);
    return {X, From.Y + RoundedQuotient(static_cast<long long>(Dy) * (X - From.X), Dx)};
  }
  const int Y = To.Y - Sign(Dy);
  return {From.X + RoundedQuotient(static_cast<long long>(Dx) * (Y - From.Y), Dy), Y};
}

TDiagramPrimitive MakeClearPrimitive(const TDiagramRect& Surface) {
  TDiagramPrimitive P;
  P.Kind = TPrimitiveKind::Clear;
  P.Bounds = Surface;
  P.Pen = {WhiteColour, TPenStyle::Solid};
  return P;
}

TDiagramPrimitive MakeBoxPrimitive(const TDiagramRect& Box, const TDiagramPen& Pen) {
  TDiagramPrimitive P;
  P.Kind = TPrimitiveKind::Box;
  P.Bounds = Box;
  P.Pen = Pen;
  return P;
}

TDiagramPrimitive MakeLinePrimitive(TDiagramPoint From, TDiagramPoint To, const TDiagramPen& Pen) {
  TDiagramPrimitive P;
  P.Kind = TPrimitiveKind::Line;
  P.From = From;
  P.To = To;
  P.Pen = Pen;
  if (From != To) {
    const TDiagramPoint Last = LastLinePoint(From, To);
    P.Bounds = {std::min(From.X, Last.X), std::min(From.Y, Last.Y), std::max(From.X, Last.X) + 1,
                std::max(From.Y, Last.Y) + 1};
  } else {
    P.Bounds = {From.X, From.Y, From.X, From.Y};
  }
  return P;
}

TDiagramPrimitive MakeTextPrimitive(TDiagramPoint At, int Width, int Height, std::string Text,
                                    const TDiagramFont& Font) {
  TDiagramPrimitive P;
  P.Kind = TPrimitiveKind::Text;
  P.Bounds = {At.X, At.Y, At.X + Width, At.Y + Height};
  P.From = At;
  P.Font = Font;
  P.Text = std::move(Text);
  return P;
}

TDiagramPrimitive MakeIconPrimitive(TDiagramPoint At, int ImageIndex) {
  TDiagramPrimitive P;
  P.Kind = TPrimitiveKind::Icon;
  P.Bounds = {At.X, At.Y, At.X + DiagramIconSize, At.Y + DiagramIconSize};
  P.From = At;
  P.ImageIndex = ImageIndex;
  return P;
}

void TDiagramPicture::Add(TDiagramPrimitive Primitive) {
  const std::size_t Index = Items.size();
  // A primitive that sets no pixel is still kept (it is part of the drawing), but it is filed in
  // no band, so no repaint asks for it.
  if (!Primitive.Bounds.IsEmpty() && Primitive.Bounds.Bottom > 0) {
    const int FirstBand = std::max(Primitive.Bounds.Top, 0) / BandHeight;
    const int LastBand = (Primitive.Bounds.Bottom - 1) / BandHeight;
    if (Bands.size() <= static_cast<std::size_t>(LastBand))
      Bands.resize(static_cast<std::size_t>(LastBand) + 1);
    for (int Band = FirstBand; Band <= LastBand; ++Band)
      Bands[static_cast<std::size_t>(Band)].push_back(Index);
  }
  Items.push_back(std::move(Primitive));
}

void TDiagramPicture::ClearPrimitives() {
  Items.clear();
  Bands.clear();
}

std::vector<std::size_t> TDiagramPicture::PrimitivesIn(const TDiagramRect& Area) const {
  std::vector<std::size_t> Found;
  if (Area.IsEmpty() || Area.Bottom <= 0 || Bands.empty()) return Found;
  const int FirstBand = std::max(Area.Top, 0) / BandHeight;
  const int LastBand = std::min((Area.Bottom - 1) / BandHeight, static_cast<int>(Bands.size()) - 1);
  for (int Band = FirstBand; Band <= LastBand; ++Band) {
    for (const std::size_t Index : Bands[static_cast<std::size_t>(Band)])
      if (Items[Index].Bounds.Intersects(Area)) Found.push_back(Index);
  }
  // A primitive that spans several bands was found once per band.
  if (LastBand > FirstBand) {
    std::sort(Found.begin(), Found.end());
    Found.erase(std::unique(Found.begin(), Found.end()), Found.end());
  }
  return Found;
}

}  // namespace palaver
