#include "views/DiagramLayout.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "model/ExpandedSize.h"
#include "model/GroupedDigits.h"
#include "views/WordWrap.h"

namespace palaver {

namespace {

constexpr int IndentWidth = 18;

// The element at Index of a list that should run parallel to another, or null when the lists do
// not match (the status computation always builds them in step; a hand-made tree may not).
template <class T>
const T* ParallelElement(const TObjectList<T>& List, int Index) {
  return Index < List.Count() ? List[Index].get() : nullptr;
}

bool IsJustified(const TDialecticalArgument* D) {
  return D != nullptr && D->Status == TJustificationStatus::Justified;
}

// BoxText without a copy: the box's lines are cut from the sentence itself.
std::string_view BoxTextView(std::string_view Sentence) {
  if (Sentence.size() >= 2 && Sentence.front() == '(' && Sentence.back() == ')')
    Sentence = Sentence.substr(1, Sentence.size() - 2);
  return Sentence;
}

}  // namespace

std::string MoreBoxesText(TLanguage Language, std::uint64_t More) {
  const std::string Digits = GroupedDigits(More, Language);
  if (Language == TLanguage::Dutch)
    return "\u2026 nog " + Digits + (More == 1 ? " vak" : " vakken") + " niet getoond";
  return "\u2026 " + Digits + (More == 1 ? " more box" : " more boxes") + " not shown";
}

std::string BoxText(std::string_view Sentence) {
  return std::string(BoxTextView(Sentence));
}

TDiagramLayout::TDiagramLayout(const TTextMeasurer& Measurer, int SurfaceWidth,
                               bool ShowStructureOnly)
    : ShowStructureOnly(ShowStructureOnly), Measurer(Measurer) {
  Picture.Width = SurfaceWidth;
}

void TDiagramLayout::ClearSurface() {
  Pen = {WhiteColour, TPenStyle::Solid};
  Picture.ClearPrimitives();
  Picture.Add(MakeClearPrimitive({0, 0, Picture.Width, Picture.Height}));
}

void TDiagramLayout::StartCount(std::uint64_t Boxes) {
  Total = Boxes;
  Drawn = 0;
  BoxesLeftOut = 0;
}

void TDiagramLayout::FinishCount(int Row) {
  if (Drawn >= Total) return;
  BoxesLeftOut = Total - Drawn;
  const std::string Text = MoreBoxesText(Language, BoxesLeftOut);
  // A plain grey box at the left edge, one line, below everything drawn.
  const int Th = Measurer.TextHeight();
  const int D = Th + 15;
  Pen = {GreyColour, TPenStyle::Solid};
  Font = {GreyColour, TFontStyle::Regular};
  const int Width = Measurer.TextWidth(Text, Font.Style);
  const int Top = D * Row + 2;
  const int Bottom = D * Row + 24;
  Picture.Add(MakeBoxPrimitive({2, Top, 2 + Width + 10, Bottom}, Pen));
  Picture.Add(MakeTextPrimitive({6, Top + ((Bottom - Top) - (Th + 3)) / 2}, Width, Th, Text, Font));
  Picture.Height = std::max(Picture.Height, Bottom + 2);
}

void TDiagramLayout::DrawDiagram(const TDialecticalArguments& MaximalDialecticalArguments) {
  ClearSurface();
  // The boxes are counted on the shared dialectical arguments before anything is drawn.
  TExpandedSizes Sizes;
  std::uint64_t Boxes = 0;
  for (const PDialecticalArgument& D : MaximalDialecticalArguments)
    if (D && D->Conclusion) Boxes = AddSizes(Boxes, Sizes.Of(*D));
  StartCount(Boxes);
  // One argument follows the other with no gap: the row carries on.
  int Row = 0;
  for (const PDialecticalArgument& D : MaximalDialecticalArguments) {
    if (Full()) break;
    int Indent = 0;
    if (D) DrawDialecticalArgument(*D, Row, Indent);
  }
  FinishCount(Row);
}

void TDiagramLayout::DrawDiagram(const TArgumentationStage& Stage) {
  DrawDiagram(Stage.MaximalDialecticalArguments);
}

void TDiagramLayout::DrawStatements(const TStatements& Statements) {
  ClearSurface();
  std::uint64_t Boxes = 0;
  for (const PStatement& S : Statements)
    if (S) ++Boxes;
  StartCount(Boxes);
  int Row = 0;
  for (const PStatement& S : Statements) {
    if (Full()) break;
    if (!S) continue;
    DrawStatementBox(*S, Row, 0, 0, TBoxColourMode::ByStatus);
    Picture.Boxes.push_back({LastBoxBounds, S.get(), nullptr});
  }
  FinishCount(Row);
}

void TDiagramLayout::DrawStatements(const TArgumentationStage& Stage) {
  DrawStatements(Stage.Statements);
}

void TDiagramLayout::DrawDialecticalArgument(const TDialecticalArgument& D, int& Row, int& Indent) {
  if (!D.Conclusion || Full()) return;
  const int Pitch = RowPitch();
  const int K = Indent;
  const int N = D.Steps.Count();
  // The box shows the status of this dialectical argument, which inside a larger one can differ
  // from the statement's own status.
  TBoxColourMode Mode = TBoxColourMode::ByStatus;
  if (D.Status == TJustificationStatus::Justified) Mode = TBoxColourMode::AsJustified;
  if (D.Status == TJustificationStatus::Unjustified) Mode = TBoxColourMode::AsUnjustified;
  DrawStatementBox(*D.Conclusion, Row, K, N, Mode);
  Picture.Boxes.push_back({LastBoxBounds, D.Conclusion.get(), &D});
  const int ConclusionBottom = Pitch * (Row - 1) + 24;

  for (int I = 0; I < N; ++I) {
    // The first step is indented furthest, the last one level deeper than the conclusion, so
    // that the connectors never cross.
    const int E = K + N - I;
    const TStep* S = D.Steps[I].get();
    const TDialecticalArgument* A = ParallelElement(D.InitialDialecticalArguments, I);
    if (S == nullptr) continue;
    // A drawing that stops short stops before a step, never between a connector and its box.
    if (Full()) return;

    Indent = E;
    if (S->WarrantingDialecticalArgument)
      DrawDialecticalArgument(*S->WarrantingDialecticalArgument, Row, Indent);
    Indent = E;
    DrawUndercutters(*S, Row, Indent);
    // No connector without the reason's box below it.
    if (Full()) return;

    SetConnectorPen(*S, A);
    if (ShowStructureOnly) SetStructureOnlyPen();
    // The connector leaves the reason's box (drawn next, at this row) 10 pixels below its top
    // and rises to the conclusion's bottom edge.
    const int X0 = IndentWidth * E - 9;
    const int Y0 = Pitch * Row + 12;
    const int Yc = ConclusionBottom;
    AddLine(IndentWidth * E + 1, Y0, X0, Y0);
    AddLine(X0, Y0, X0, Yc);
    if (S->ConnectionKind == TConnectionKind::Defeating) {
      AddCross(X0, Yc);
    } else {
      AddLine(X0, Yc, X0 - 5, Yc + 5);
      AddLine(X0, Yc, X0 + 5, Yc + 5);
    }

    Indent = E;
    if (A != nullptr) DrawDialecticalArgument(*A, Row, Indent);
  }
}

void TDiagramLayout::DrawUndercutters(const TStep& S, int& Row, int& Indent) {
  const int E = Indent;
  for (int J = 0; J < S.Undercutters.Count(); ++J) {
    const TUndercutter* U = S.Undercutters[J].get();
    const TDialecticalArgument* B = ParallelElement(S.UndercuttingDialecticalArguments, J);
    if (U == nullptr) continue;
    if (Full()) return;

    Indent = E;
    if (U->WarrantingDialecticalArgument)
      DrawDialecticalArgument(*U->WarrantingDialecticalArgument, Row, Indent);

    SetUndercutterPen(*U, B);
    if (ShowStructureOnly) SetStructureOnlyPen();
    Indent = E;
    // A short line from the exception's box (drawn next) to a cross on the step's vertical
    // connector, which is drawn after the undercutters.
    const int X = IndentWidth * E - 9;
    const int Y = RowPitch() * Row + 12;
    AddLine(IndentWidth * E + 1, Y, X, Y);
    Pen.Style = TPenStyle::Solid;
    AddCross(X, Y);

    if (B != nullptr) DrawDialecticalArgument(*B, Row, Indent);
  }
}

void TDiagramLayout::DrawStatementBox(const TStatement& S, int& Row, int Indent, int StepCount,
                                      TBoxColourMode Mode) {
  const int Th = Measurer.TextHeight();
  const int D = Th + 15;
  const std::string_view Text = BoxTextView(S.Sentence);

  int TextOffset = 18;
  int WrapWidth = Picture.Width - IndentWidth * Indent - 30;
  int Extra = 28;
  if (ShowStructureOnly) {
    // No icon column: the text moves left and may run 18 pixels further.
    Pen = {BlackColour, TPenStyle::Solid};
    Font = {BlackColour, TFontStyle::Regular};
    WrapWidth += 18;
    TextOffset = 1;
    Extra = 10;
  } else {
    SetBoxColours(S, Mode);
  }
  const TWrappedLines Lines = WrapTextLines(Text, WrapWidth, Font.Style, Measurer);
  const int L = static_cast<int>(Lines.size());
  int Widest = Lines.front().Width;  // there is always a line, if an empty one
  for (const TWrappedLine& Line : Lines)
    Widest = std::max(Widest, Line.Width);
  // Several lines fill the wrap width. Only when the box is so deep in the drawing that not even
  // one character fits are the lines wider than that; the box then still holds them.
  const int TextWidth = L == 1 ? Widest : std::max(WrapWidth, Widest);
  // The box reaches over the connectors of all the steps drawn below it.
  const int BoxWidth = std::max(TextWidth + Extra, IndentWidth * StepCount - 3);

  const int R = ((Th + 3) * L + 5) / D + 1;
  const int Left = IndentWidth * Indent + 2;
  const int Top = D * Row + 2;
  const int Right = Left + BoxWidth;
  const int Bottom = D * (Row + R - 1) + 24;
  Picture.Add(MakeBoxPrimitive({Left, Top, Right, Bottom}, Pen));
  LastBoxBounds = {Left, Top, Right, Bottom};
  Picture.Height = std::max(Picture.Height, Bottom + 2);

  // The text block is centred vertically in the box with a line pitch of th + 3.
  const int TextX = IndentWidth * Indent + 5 + TextOffset;
  const int TextTop = Top + ((Bottom - Top) - (Th + 3) * L) / 2;
  for (int I = 0; I < L; ++I) {
    const TWrappedLine& Line = Lines[static_cast<std::size_t>(I)];
    if (Line.Length == 0) continue;
    Picture.Add(MakeTextPrimitive({TextX, TextTop + (Th + 3) * I}, Line.Width, Th,
                                  std::string(Text.substr(Line.Start, Line.Length)), Font));
  }

  if (!ShowStructureOnly) {
    const int Image = S.StatementType == TStatementType::Assumption ? AssumptionImage : IssueImage;
    Picture.Add(
        MakeIconPrimitive({IndentWidth * Indent + 5, D * Row + (Bottom - Top) / 2 - 6}, Image));
  }
  Row += R;
  ++Drawn;
}

void TDiagramLayout::SetBoxColours(const TStatement& S, TBoxColourMode Mode) {
  if (Mode == TBoxColourMode::ByStatus) {
    // A statement not yet evaluated never reaches a drawing (every shown stage has been
    // recomputed); should one, it keeps the colours the previous box left behind.
    if (S.JustificationStatus == TJustificationStatus::Justified)
      Mode = TBoxColourMode::AsJustified;
    if (S.JustificationStatus == TJustificationStatus::Unjustified)
      Mode = TBoxColourMode::AsUnjustified;
  }
  if (Mode == TBoxColourMode::AsJustified) {
    Pen = {BlueColour, TPenStyle::Solid};
    Font = {BlueColour, TFontStyle::Bold};
  } else if (Mode == TBoxColourMode::AsUnjustified) {
    Pen = {TealColour, TPenStyle::Solid};
    Font = {TealColour, TFontStyle::Italic};
  }
}

void TDiagramLayout::SetConnectorPen(const TStep& S, const TDialecticalArgument* Reason) {
  if (S.WarrantUnjustified) {
    Pen = {GreyColour, TPenStyle::Dotted};
    return;
  }
  Pen.Style = TPenStyle::Solid;
  if (Reason == nullptr || Reason->Status == TJustificationStatus::Unjustified) {
    Pen.Colour = TealColour;
  } else if (Reason->Status == TJustificationStatus::Justified) {
    // A justified reason gives a blue arrow unless an active exception undercuts the step.
    bool Undercut = false;
    for (int J = 0; J < S.Undercutters.Count(); ++J) {
      const TUndercutter* U = S.Undercutters[J].get();
      if (U != nullptr && !U->WarrantUnjustified &&
          IsJustified(ParallelElement(S.UndercuttingDialecticalArguments, J)))
        Undercut = true;
    }
    Pen.Colour = Undercut ? TealColour : BlueColour;
  }
}

void TDiagramLayout::SetUndercutterPen(const TUndercutter& U,
                                       const TDialecticalArgument* Exception) {
  if (U.WarrantUnjustified) {
    Pen = {GreyColour, TPenStyle::Dotted};
    return;
  }
  Pen.Style = TPenStyle::Solid;
  if (Exception == nullptr || Exception->Status == TJustificationStatus::Unjustified)
    Pen.Colour = TealColour;
  else if (Exception->Status == TJustificationStatus::Justified)
    Pen.Colour = RedColour;
}

void TDiagramLayout::SetStructureOnlyPen() {
  Pen = {BlackColour, TPenStyle::Solid};
  Font.Colour = BlackColour;
}

void TDiagramLayout::AddLine(int X1, int Y1, int X2, int Y2) {
  Picture.Add(MakeLinePrimitive({X1, Y1}, {X2, Y2}, Pen));
}

void TDiagramLayout::AddCross(int X, int Y) {
  AddLine(X - 3, Y - 3, X + 4, Y + 4);
  AddLine(X - 3, Y + 3, X + 4, Y - 4);
}

}  // namespace palaver
