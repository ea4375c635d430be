#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/ArgumentationStage.h"
#include "model/DialecticalArgument.h"
#include "model/Statement.h"
#include "session/Language.h"
#include "views/DiagramPicture.h"
#include "views/TextMeasurer.h"

namespace palaver {

// How DrawStatementBox colours a box: by the statement's own JustificationStatus, or as
// justified (blue, bold) or unjustified (teal, italic) whatever the statement says.
enum class TBoxColourMode { ByStatus = 0, AsJustified = 1, AsUnjustified = 2 };

// The main window's client area at start-up is 600 x 480 with a 137-pixel button panel on the
// left; the scroll area beside it has no frame, so the paint surface starts 600 - 137 - 7 pixels
// wide. palaver-cli render draws at this width unless told otherwise. (A panel that needs more
// room for its captions makes the window wider, not the scroll area narrower.)
inline constexpr int MainWindowWidth = 600;
inline constexpr int MainWindowHeight = 480;
inline constexpr int ButtonPanelWidth = 137;
inline constexpr int StartupSurfaceWidth = MainWindowWidth - ButtonPanelWidth - 7;

// Status image numbers (the status image list is shared with the arguments tree).
inline constexpr int AssumptionImage = 0;
inline constexpr int IssueImage = 1;

// The most boxes a drawing holds, and the greatest height it grows to: a widget can be at most
// 16,777,215 pixels high (about 599,000 one-line boxes), and a drawing of 100,000 boxes is laid
// out in well under a second. The model shares the parts of its dialectical arguments, so drawn
// out in full they can be far larger than anything that evaluates quickly.
inline constexpr std::uint64_t DiagramBoxLimit = 100'000;
inline constexpr int DiagramHeightLimit = 16'000'000;

// The last box of a drawing that stops at a limit: "… 154,812,405 more boxes not shown".
std::string MoreBoxesText(TLanguage Language, std::uint64_t More);

// The text a statement box shows: the sentence without its enclosing parentheses when it both
// starts with "(" and ends with ")" (warrant sentences are written that way).
std::string BoxText(std::string_view Sentence);

// Lays out the dialectical-argument diagram and the statements drawing as primitives. The
// object stands for the paint surface: it keeps the surface's width and height and the pen and
// font, which carry over from one drawing call to the next just as on a real canvas. Rows are
// d = th + 15 pixels high and one indentation level is 18 pixels. Every box that DrawDiagram and
// DrawStatements draw for a statement is listed in the picture's Boxes.
class TDiagramLayout {
 public:
  TDiagramLayout(const TTextMeasurer& Measurer, int SurfaceWidth, bool ShowStructureOnly = false);
  // The layout keeps the measurer; a temporary one would be gone before the first box.
  TDiagramLayout(const TTextMeasurer&& Measurer, int SurfaceWidth,
                 bool ShowStructureOnly = false) = delete;

  // The drawing so far; its Width is the surface width the text is wrapped to, its Height the
  // surface height, which drawing only ever increases (set it to 0 to start afresh).
  TDiagramPicture Picture;
  bool ShowStructureOnly = false;
  TDiagramPen Pen;
  TDiagramFont Font;
  // A drawing stops after BoxLimit boxes, or once it is HeightLimit pixels high, and ends with a
  // box that says, in Language, how many boxes it leaves out.
  std::uint64_t BoxLimit = DiagramBoxLimit;
  int HeightLimit = DiagramHeightLimit;
  TLanguage Language = TLanguage::English;
  // What the last drawing left out (0 when it is complete).
  std::uint64_t BoxesLeftOut = 0;

  // Clears the surface and draws every maximal dialectical argument, one under the other.
  void DrawDiagram(const TDialecticalArguments& MaximalDialecticalArguments);
  void DrawDiagram(const TArgumentationStage& Stage);
  // Clears the surface and draws every statement as a box, one under the other.
  void DrawStatements(const TStatements& Statements);
  void DrawStatements(const TArgumentationStage& Stage);

  void DrawDialecticalArgument(const TDialecticalArgument& D, int& Row, int& Indent);
  void DrawUndercutters(const TStep& S, int& Row, int& Indent);
  void DrawStatementBox(const TStatement& S, int& Row, int Indent, int StepCount,
                        TBoxColourMode Mode);

 private:
  void ClearSurface();
  // Starts the count of a drawing of Total boxes.
  void StartCount(std::uint64_t Total);
  // The drawing has reached a limit: nothing more is drawn.
  bool Full() const { return Drawn >= BoxLimit || Picture.Height >= HeightLimit; }
  // The last box, when the drawing stopped short.
  void FinishCount(int Row);
  void SetBoxColours(const TStatement& S, TBoxColourMode Mode);
  void SetConnectorPen(const TStep& S, const TDialecticalArgument* Reason);
  void SetUndercutterPen(const TUndercutter& U, const TDialecticalArgument* Exception);
  void SetStructureOnlyPen();
  void AddLine(int X1, int Y1, int X2, int Y2);
  void AddCross(int X, int Y);
  int RowPitch() const { return Measurer.TextHeight() + 15; }

  const TTextMeasurer& Measurer;
  std::uint64_t Total = 0;
  std::uint64_t Drawn = 0;
  // The frame of the box DrawStatementBox drew last, for the picture's list of boxes.
  TDiagramRect LastBoxBounds;
};

}  // namespace palaver
