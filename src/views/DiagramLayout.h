#pragma once

#include <string>
#include <string_view>

#include "model/ArgumentationStage.h"
#include "model/DialecticalArgument.h"
#include "model/Statement.h"
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
  void SetBoxColours(const TStatement& S, TBoxColourMode Mode);
  void SetConnectorPen(const TStep& S, const TDialecticalArgument* Reason);
  void SetUndercutterPen(const TUndercutter& U, const TDialecticalArgument* Exception);
  void SetStructureOnlyPen();
  void AddLine(int X1, int Y1, int X2, int Y2);
  void AddCross(int X, int Y);
  int RowPitch() const { return Measurer.TextHeight() + 15; }

  const TTextMeasurer& Measurer;
  // The frame of the box DrawStatementBox drew last, for the picture's list of boxes.
  TDiagramRect LastBoxBounds;
};

}  // namespace palaver
