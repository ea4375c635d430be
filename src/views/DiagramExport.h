#pragma once

#include <QByteArray>
#include <QFont>
#include <optional>
#include <string>

#include "model/ArgumentationStage.h"
#include "session/Language.h"
#include "views/DiagramPicture.h"

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace palaver {

// The drawings a file or a printer gets: the dialectical-argument diagram or the statements
// drawing, laid out and painted by the window's own layout and painter.
enum class TDrawingView { Diagram, Statements };
enum class TDrawingFormat { Png, Svg, Pdf };

// The greatest height of a drawing written to an image file (PNG, SVG, a one-page PDF): 32,000
// pixels, which image programs open (about 1,100 one-line boxes). A taller drawing stops there
// with its last box saying how many boxes it leaves out.
inline constexpr int ImageHeightLimit = 32'000;

// How a drawing is laid out for a file or a printer, as the window's paint surface would lay it
// out at the same width.
struct TDrawingRequest {
  TDrawingView View = TDrawingView::Diagram;
  int Width = 0;
  bool ShowStructureOnly = false;
  TLanguage Language = TLanguage::English;
  // The drawing stops at this height (the window's own limit unless set lower).
  int HeightLimit = 0;
};

// Lays the stage out in the diagram's font, measured as on the screen.
TDiagramPicture LayOutDrawing(const TArgumentationStage& Stage, const TDrawingRequest& Request);

// What the top of each printed or paginated page says: the file's name on the left and
// "page k of n" (in Language) on the right.
struct TPageHeading {
  std::string FileName;
  TLanguage Language = TLanguage::English;
};

std::string PageNumberText(TLanguage Language, int Page, int Pages);

// The page setup of a paginated PDF that no printer dialog chose: A4 (Letter where the locale
// measures in inches), portrait, 15 mm margins.
QPageLayout DefaultPageLayout();

// Paints the picture on a paged device (a printer, a PDF writer) at its size on the screen, scaled
// down only when it is wider than the page, with page breaks only between rows (PageSlices) and
// the heading on every page. Painter must be active on Device. FirstPage and LastPage (from 1;
// 0 for no bound) choose the pages painted; the numbering counts them all. Returns the number
// of pages the drawing takes, or 0 when a page could not be started.
int PaintDiagramPages(QPainter& Painter, QPagedPaintDevice& Device, const TDiagramPicture& Picture,
                      const QFont& Font, const TPageHeading& Heading, int FirstPage = 0,
                      int LastPage = 0);

// The pages as a PDF document in the page layout and resolution given: text stays text.
std::optional<QByteArray> DiagramPagesPdf(const TDiagramPicture& Picture, const QFont& Font,
                                          const TPageHeading& Heading, const QPageLayout& Layout,
                                          int Resolution, int FirstPage = 0, int LastPage = 0);

// A whole file's bytes in one format: a PNG at Scale times the picture's size (1 or 2), an SVG,
// or a PDF (paginated when a heading is given, else one page of the picture's size). Nothing
// when the drawing could not be made (a picture too large for memory).
struct TDrawingFileOptions {
  int Scale = 1;
  std::optional<TPageHeading> Pages;
};
std::optional<QByteArray> DiagramFileBytes(const TDiagramPicture& Picture, const QFont& Font,
                                           TDrawingFormat Format,
                                           const TDrawingFileOptions& Options = {});

// Writes the bytes to Path through the one safe replace; throws TPlatformError "Cannot create
// file <path>" when that fails, leaving any old file as it was.
void WriteDrawingFile(const std::string& Path, const QByteArray& Bytes);

// The format a file name's suffix asks for (".png", ".svg", ".pdf", any case); nothing for
// another suffix or none.
std::optional<TDrawingFormat> DrawingFormatOfName(const std::string& Path);

}  // namespace palaver
