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
  // Never by 0: LastLinePoint divides by the longer side of a line that has a length.
  // NOLINTBEGIN(clang-analyzer-core.DivideZero)
  return static_cast<int>(Numerator >= 0 ? (Numerator + Half) / Denominator
                                         : -((-Numerator + Half) / Denominator));
  // NOLINTEND(clang-analyzer-core.DivideZero)
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

namespace {

// Where a primitive is filed: its level and its first band there (it meets that band and at most
// the next). A primitive that sets no pixel, or none at a row from 0 on, is filed nowhere, so no
// repaint asks for it; it is still part of the drawing.
struct TBandPlace {
  int Level = -1;
  long long FirstBand = 0;
  bool TwoBands = false;
};

TBandPlace BandPlace(const TDiagramRect& Bounds, int BandHeight, int Factor) {
  TBandPlace Place;
  if (Bounds.IsEmpty() || Bounds.Bottom <= 0) return Place;
  const long long Top = std::max(Bounds.Top, 0);
  const long long Last = Bounds.Bottom - 1;
  long long Height = BandHeight;
  Place.Level = 0;
  while (Last / Height - Top / Height > 1) {
    Height *= Factor;
    ++Place.Level;
  }
  Place.FirstBand = Top / Height;
  Place.TwoBands = Last / Height > Place.FirstBand;
  return Place;
}

}  // namespace

void TDiagramPicture::Add(TDiagramPrimitive Primitive) {
  Items.push_back(std::move(Primitive));
  Filed = false;
}

void TDiagramPicture::ClearPrimitives() {
  Items.clear();
  Boxes.clear();
  Levels.clear();
  Filed = false;
}

const TDiagramBox* TDiagramPicture::BoxAt(int X, int Y) const {
  // Boxes never overlap; a point on no box (a connector, the margin) has none.
  for (const TDiagramBox& Box : Boxes)
    if (X >= Box.Bounds.Left && X < Box.Bounds.Right && Y >= Box.Bounds.Top &&
        Y < Box.Bounds.Bottom)
      return &Box;
  return nullptr;
}

void TDiagramPicture::FileInBands() const {
  Levels.clear();
  for (const TDiagramPrimitive& P : Items) {
    const TBandPlace Place = BandPlace(P.Bounds, BandHeight, BandLevelFactor);
    if (Place.Level < 0) continue;
    if (Levels.size() <= static_cast<std::size_t>(Place.Level))
      Levels.resize(static_cast<std::size_t>(Place.Level) + 1);
    // Count the entries of each band first, then place them, so each level is two flat arrays.
    std::vector<std::uint32_t>& Start = Levels[static_cast<std::size_t>(Place.Level)].BandStart;
    const std::size_t LastBand = static_cast<std::size_t>(Place.FirstBand) + Place.TwoBands;
    if (Start.size() < LastBand + 2) Start.resize(LastBand + 2, 0);
    ++Start[static_cast<std::size_t>(Place.FirstBand) + 1];
    if (Place.TwoBands) ++Start[LastBand + 1];
  }
  for (TBandLevel& Level : Levels) {
    for (std::size_t B = 1; B < Level.BandStart.size(); ++B)
      Level.BandStart[B] += Level.BandStart[B - 1];
    Level.Entries.resize(Level.BandStart.empty() ? 0 : Level.BandStart.back());
  }
  // Filling in drawing order keeps every band's entries increasing.
  std::vector<std::vector<std::uint32_t>> Next(Levels.size());
  for (std::size_t L = 0; L < Levels.size(); ++L)
    Next[L] = Levels[L].BandStart;
  for (std::size_t I = 0; I < Items.size(); ++I) {
    const TBandPlace Place = BandPlace(Items[I].Bounds, BandHeight, BandLevelFactor);
    if (Place.Level < 0) continue;
    const auto L = static_cast<std::size_t>(Place.Level);
    const auto Band = static_cast<std::size_t>(Place.FirstBand);
    Levels[L].Entries[Next[L][Band]++] = static_cast<std::uint32_t>(I);
    if (Place.TwoBands) Levels[L].Entries[Next[L][Band + 1]++] = static_cast<std::uint32_t>(I);
  }
  Filed = true;
}

std::vector<std::size_t> TDiagramPicture::PrimitivesIn(const TDiagramRect& Area) const {
  std::vector<std::size_t> Found;
  if (Area.IsEmpty() || Area.Bottom <= 0) return Found;
  if (!Filed) FileInBands();
  const long long Top = std::max(Area.Top, 0);
  const long long Last = Area.Bottom - 1;
  long long Height = BandHeight;
  for (const TBandLevel& Level : Levels) {
    const long long Bands = static_cast<long long>(Level.BandStart.size()) - 1;
    const long long LastBand = std::min(Last / Height, Bands - 1);
    for (long long Band = Top / Height; Band <= LastBand; ++Band) {
      const auto B = static_cast<std::size_t>(Band);
      for (std::uint32_t E = Level.BandStart[B]; E < Level.BandStart[B + 1]; ++E) {
        const std::uint32_t Index = Level.Entries[E];
        if (Items[Index].Bounds.Intersects(Area)) Found.push_back(Index);
      }
    }
    Height *= BandLevelFactor;
  }
  // The levels interleave, and a primitive meeting two bands was found in both.
  std::sort(Found.begin(), Found.end());
  Found.erase(std::unique(Found.begin(), Found.end()), Found.end());
  return Found;
}

}  // namespace palaver
