#include "views/DiagramExport.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "model/GroupedDigits.h"
#include "session/PlatformError.h"
#include "session/WholeFile.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPages.h"
#include "views/DiagramPainter.h"
#include "views/QtText.h"

namespace palaver {

namespace {

// A PDF written without a printer's setup: fine enough that text and lines sit where the screen
// has them.
constexpr int PdfResolution = 300;

// The resolution the picture's pixels were measured at: the screen's logical dots per inch.
double PictureDpi() {
  const QScreen* Screen = QGuiApplication::primaryScreen();
  return Screen != nullptr ? Screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

TDiagramPicture LayOutDrawing(const TArgumentationStage& Stage, const TDrawingRequest& Request) {
  const TQtTextMeasurer Measurer(DiagramFont());
  TDiagramLayout Layout(Measurer, Request.Width, Request.ShowStructureOnly);
  Layout.Language = Request.Language;
  if (Request.HeightLimit > 0) Layout.HeightLimit = Request.HeightLimit;
  // A fresh surface has height 0, as ShowDiagram leaves it before drawing; the drawing grows it.
  if (Request.View == TDrawingView::Statements)
    Layout.DrawStatements(Stage);
  else
    Layout.DrawDiagram(Stage);
  return std::move(Layout.Picture);
}

std::string PageNumberText(TLanguage Language, int Page, int Pages) {
  const std::string K = GroupedDigits(static_cast<std::uint64_t>(Page), Language);
  const std::string N = GroupedDigits(static_cast<std::uint64_t>(Pages), Language);
  return Language == TLanguage::Dutch ? "pagina " + K + " van " + N : "page " + K + " of " + N;
}

QPageLayout DefaultPageLayout() {
  const bool Inches = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
  return QPageLayout(QPageSize(Inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

int PaintDiagramPages(QPainter& Painter, QPagedPaintDevice& Device, const TDiagramPicture& Picture,
                      const QFont& Font, const TPageHeading& Heading, int FirstPage, int LastPage) {
  const double DeviceDpi = Device.logicalDpiY();
  const double PageWidth = Device.width();
  const double PageHeight = Device.height();
  // The heading takes one line and a blank one below it, in the diagram's font on the device.
  const QFont& HeadingFont = Font;
  const QFontMetricsF HeadingMetrics(HeadingFont, &Device);
  const double HeadingHeight = std::ceil(HeadingMetrics.height() * 2);

  // One pixel of the picture takes its size on the screen, unless the page is too narrow.
  double Scale = DeviceDpi / PictureDpi();
  if (Picture.Width > 0 && Picture.Width * Scale > PageWidth) Scale = PageWidth / Picture.Width;
  // The painter's scale enlarges the text too: the font is given the size that, scaled, is the
  // size it had on the screen.
  QFont PaintFont(Font);
  if (Font.pointSizeF() > 0) PaintFont.setPointSizeF(Font.pointSizeF() * PictureDpi() / DeviceDpi);
  const int SliceHeight =
      std::max(1, static_cast<int>(std::floor((PageHeight - HeadingHeight) / Scale)));
  const std::vector<TPageSlice> Slices = PageSlices(Picture, SliceHeight);
  const int Pages = static_cast<int>(Slices.size());

  bool First = true;
  for (int Page = 1; Page <= Pages; ++Page) {
    if ((FirstPage > 0 && Page < FirstPage) || (LastPage > 0 && Page > LastPage)) continue;
    if (!First && !Device.newPage()) return 0;
    First = false;
    const TPageSlice& Slice = Slices[static_cast<std::size_t>(Page - 1)];

    Painter.save();
    Painter.setFont(HeadingFont);
    Painter.setPen(Qt::black);
    const QRectF HeadingLine(0, 0, PageWidth, HeadingMetrics.height());
    Painter.drawText(HeadingLine, Qt::AlignLeft | Qt::AlignTop, ToQString(Heading.FileName));
    Painter.drawText(HeadingLine, Qt::AlignRight | Qt::AlignTop,
                     ToQString(PageNumberText(Heading.Language, Page, Pages)));
    Painter.restore();

    if (Slice.Bottom > Slice.Top) {
      Painter.save();
      Painter.translate(0, HeadingHeight);
      Painter.scale(Scale, Scale);
      Painter.translate(0, -Slice.Top);
      PaintDiagram(Painter, Picture, PaintFont,
                   QRect(0, Slice.Top, std::max(Picture.Width, 1), Slice.Bottom - Slice.Top), 0);
      Painter.restore();
    }
  }
  return Pages;
}

std::optional<QByteArray> DiagramPagesPdf(const TDiagramPicture& Picture, const QFont& Font,
                                          const TPageHeading& Heading, const QPageLayout& Layout,
                                          int Resolution, int FirstPage, int LastPage) {
  QByteArray Bytes;
  {
    QBuffer Buffer(&Bytes);
    Buffer.open(QIODevice::WriteOnly);
    QPdfWriter Writer(&Buffer);
    Writer.setResolution(Resolution);
    Writer.setPageLayout(Layout);
    Writer.setTitle(ToQString(Heading.FileName));
    Writer.setCreator(QStringLiteral("Palaver"));
    QPainter Painter;
    if (!Painter.begin(&Writer)) return std::nullopt;
    const int Pages =
        PaintDiagramPages(Painter, Writer, Picture, Font, Heading, FirstPage, LastPage);
    if (!Painter.end() || Pages == 0) return std::nullopt;
  }
  return Bytes;
}

std::optional<QByteArray> DiagramFileBytes(const TDiagramPicture& Picture, const QFont& Font,
                                           TDrawingFormat Format,
                                           const TDrawingFileOptions& Options) {
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  switch (Format) {
    case TDrawingFormat::Png: {
      // A picture too large for memory gives a null image, which is reported like any other
      // failure to write.
      QImage Image = Options.Scale > 1 ? DiagramImage(Picture, Font, Options.Scale)
                                       : DiagramImage(Picture, Font);
      if (Image.isNull() || !Image.save(&Buffer, "PNG")) return std::nullopt;
      return Bytes;
    }
    case TDrawingFormat::Svg:
      if (!WriteDiagramSvg(Picture, Font, Buffer)) return std::nullopt;
      return Bytes;
    case TDrawingFormat::Pdf:
      if (Options.Pages)
        return DiagramPagesPdf(Picture, Font, *Options.Pages, DefaultPageLayout(), PdfResolution);
      if (!WriteDiagramPdf(Picture, Font, Buffer)) return std::nullopt;
      return Bytes;
  }
  return std::nullopt;
}

void WriteDrawingFile(const std::string& Path, const QByteArray& Bytes) {
  if (!ReplaceFileSafely(
          Path, std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size()))))
    throw TPlatformError(CannotCreateFileMessage(Path));
}

std::optional<TDrawingFormat> DrawingFormatOfName(const std::string& Path) {
  const std::size_t Slash = Path.find_last_of('/');
  const std::size_t Dot = Path.find_last_of('.');
  if (Dot == std::string::npos || (Slash != std::string::npos && Dot < Slash)) return std::nullopt;
  const QString Suffix = ToQString(Path.substr(Dot + 1)).toLower();
  if (Suffix == QLatin1String("png")) return TDrawingFormat::Png;
  if (Suffix == QLatin1String("svg")) return TDrawingFormat::Svg;
  if (Suffix == QLatin1String("pdf")) return TDrawingFormat::Pdf;
  return std::nullopt;
}

}  // namespace palaver
