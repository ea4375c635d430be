#include "views/DiagramPainter.h"

#include <QColor>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QString>
#include <QSvgGenerator>
#include <algorithm>
#include <map>

#include "views/QtText.h"
#include "views/StatusImages.h"

namespace palaver {

namespace {

// Glyphs, italic ones above all, may reach a little past the cell their text was measured in;
// primitives this close to an exposed area are painted too, and the clip does the rest.
constexpr int GlyphOverhang = 8;
constexpr int ExportResolution = 96;

QColor ToQColor(TDiagramColour Colour) {
  return QColor(Colour.Red, Colour.Green, Colour.Blue);
}

QRect ToQRect(const TDiagramRect& Rect) {
  return QRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
}

// Where a one-pixel stroke through pixel Point runs: inside the pixel, so that a scaled-up pen
// (a high-resolution screen) still covers the whole pixel and nothing beside it. Not exactly at
// the centre: Qt rounds exact halves differently for lines of different directions.
QPointF PixelCentre(TDiagramPoint Point) {
  return QPointF(Point.X + 0.375, Point.Y + 0.375);
}

QPen ToQPen(const TDiagramPen& Pen) {
  // A pen one logical pixel wide, square-capped so that both ends are drawn; the end points that
  // must stay blank are taken off before drawing.
  return QPen(ToQColor(Pen.Colour), 1, Pen.Style == TPenStyle::Dotted ? Qt::DotLine : Qt::SolidLine,
              Qt::SquareCap, Qt::MiterJoin);
}

const QImage& CachedStatusImage(int Index) {
  static const std::array<QImage, StatusImageCount + 1> Images = [] {
    std::array<QImage, StatusImageCount + 1> Result;
    for (int I = 0; I <= StatusImageCount; ++I)
      Result[static_cast<std::size_t>(I)] = StatusImage(I);  // the last one is blank
    return Result;
  }();
  const int Slot = Index >= 0 && Index < StatusImageCount ? Index : StatusImageCount;
  return Images[static_cast<std::size_t>(Slot)];
}

void PaintPrimitive(QPainter& Painter, const TDiagramPrimitive& P,
                    const std::array<QFont, 3>& Fonts, bool Shrunk) {
  const auto Pen = [Shrunk](const TDiagramPen& Of) {
    QPen Result = ToQPen(Of);
    Result.setCosmetic(Shrunk);
    return Result;
  };
  switch (P.Kind) {
    case TPrimitiveKind::Clear:
      Painter.fillRect(ToQRect(P.Bounds), ToQColor(P.Pen.Colour));
      break;
    case TPrimitiveKind::Box:
      if (P.Bounds.IsEmpty()) break;
      // The frame runs through the centres of its outermost pixels, so it covers exactly the
      // columns Left .. Right - 1 and rows Top .. Bottom - 1, at any device pixel ratio.
      Painter.setPen(Pen(P.Pen));
      Painter.setBrush(Qt::white);
      Painter.drawRect(QRectF(PixelCentre({P.Bounds.Left, P.Bounds.Top}),
                              QSizeF(P.Bounds.Width() - 1, P.Bounds.Height() - 1)));
      break;
    case TPrimitiveKind::Line: {
      if (P.From == P.To) break;
      const TDiagramPoint Last = LastLinePoint(P.From, P.To);
      Painter.setPen(Pen(P.Pen));
      // Square caps reach half a pixel past the centres of the first and last pixels.
      if (Last == P.From)
        Painter.drawPoint(PixelCentre(P.From));
      else
        Painter.drawLine(PixelCentre(P.From), PixelCentre(Last));
      break;
    }
    case TPrimitiveKind::Text:
      Painter.fillRect(ToQRect(P.Bounds), Qt::white);
      Painter.setPen(ToQColor(P.Font.Colour));
      Painter.setFont(Fonts[static_cast<std::size_t>(P.Font.Style)]);
      Painter.drawText(ToQRect(P.Bounds),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip,
                       ToQString(P.Text));
      break;
    case TPrimitiveKind::Icon:
      Painter.drawImage(QPoint(P.Bounds.Left, P.Bounds.Top), CachedStatusImage(P.ImageIndex));
      break;
  }
}

// The memos of the fonts measured so far. A font is known by everything that decides its
// measures: its description, the family it resolved to and the metrics it has on the device
// (which take in the device's resolution). A program draws in one or two fonts; should many
// come and go, the old ones are dropped.
constexpr std::size_t MaxMemorisedFonts = 8;

std::map<QString, std::shared_ptr<TTextMemo>>& MemosByFont() {
  static std::map<QString, std::shared_ptr<TTextMemo>> Memos;
  return Memos;
}

QString FontFingerprint(const std::array<QFont, 3>& Fonts, QPaintDevice* Device) {
  QString Fingerprint;
  for (const QFont& Font : Fonts) {
    const QFontMetricsF Metrics(Font, Device);
    Fingerprint +=
        Font.key() + u'|' + QFontInfo(Font).family() + u'|' +
        QString::number(Metrics.height(), 'g', 17) + u'|' +
        QString::number(Metrics.averageCharWidth(), 'g', 17) + u'|' +
        QString::number(Metrics.horizontalAdvance(QStringLiteral("Palaver, 0123 (IF Wq)")), 'g',
                        17) +
        u'\n';
  }
  return Fingerprint;
}

std::shared_ptr<TTextMemo> MemoForFont(const QString& Fingerprint) {
  auto& Memos = MemosByFont();
  const auto Found = Memos.find(Fingerprint);
  if (Found != Memos.end()) return Found->second;
  if (Memos.size() >= MaxMemorisedFonts) Memos.clear();
  return Memos.emplace(Fingerprint, std::make_shared<TTextMemo>()).first->second;
}

QRect WholePicture(const TDiagramPicture& Picture) {
  return QRect(0, 0, std::max(Picture.Width, 1), std::max(Picture.Height, 1));
}

}  // namespace

QFont DiagramFont() {
  QFont Font(QStringLiteral("Sans Serif"), 8);
  Font.setStyleHint(QFont::SansSerif);
  return Font;
}

QFont StyledFont(const QFont& Font, TFontStyle Style) {
  QFont Result(Font);
  Result.setBold(Style == TFontStyle::Bold);
  Result.setItalic(Style == TFontStyle::Italic);
  return Result;
}

TQtTextMeasurer::TQtTextMeasurer(const QFont& Font, QPaintDevice* Device)
    : Metrics{QFontMetrics(StyledFont(Font, TFontStyle::Regular), Device),
              QFontMetrics(StyledFont(Font, TFontStyle::Bold), Device),
              QFontMetrics(StyledFont(Font, TFontStyle::Italic), Device)} {
  // The tallest style sets the row pitch, so that no style's text outgrows its box.
  for (const QFontMetrics& M : Metrics)
    Height = std::max(Height, M.size(Qt::TextSingleLine, QStringLiteral("a")).height());
  TheMemo = MemoForFont(
      FontFingerprint({StyledFont(Font, TFontStyle::Regular), StyledFont(Font, TFontStyle::Bold),
                       StyledFont(Font, TFontStyle::Italic)},
                      Device));
}

int TQtTextMeasurer::TextWidth(std::string_view Text, TFontStyle Style) const {
  if (const int* Known = TheMemo->FindWidth(Text, Style)) return *Known;
  const int Width = Metrics[static_cast<std::size_t>(Style)].horizontalAdvance(ToQString(Text));
  TheMemo->AddWidth(Text, Style, Width);
  return Width;
}

void TQtTextMeasurer::ForgetMeasurements() {
  // Measurers alive now keep their memo, emptied; later ones start new memos.
  for (auto& [Fingerprint, Memo] : MemosByFont())
    Memo->Clear();
  MemosByFont().clear();
}

void PaintDiagram(QPainter& Painter, const TDiagramPicture& Picture, const QFont& Font,
                  const QRect& Exposed, int Overhang) {
  if (Overhang < 0) Overhang = GlyphOverhang;
  if (Exposed.isEmpty()) return;
  const std::array<QFont, 3> Fonts = {StyledFont(Font, TFontStyle::Regular),
                                      StyledFont(Font, TFontStyle::Bold),
                                      StyledFont(Font, TFontStyle::Italic)};
  Painter.save();
  Painter.setRenderHint(QPainter::Antialiasing, false);
  Painter.setClipRect(Exposed, Qt::IntersectClip);
  // The surface is white wherever nothing is drawn, also where it has grown since the clear.
  Painter.fillRect(Exposed, Qt::white);
  const QRect Area = Exposed.adjusted(-Overhang, -Overhang, Overhang, Overhang);
  const QTransform& World = Painter.worldTransform();
  const bool Shrunk = World.m11() < 1 || World.m22() < 1;
  const TDiagramRect Query{Area.left(), Area.top(), Area.right() + 1, Area.bottom() + 1};
  for (const std::size_t Index : Picture.PrimitivesIn(Query))
    PaintPrimitive(Painter, Picture.Primitives()[Index], Fonts, Shrunk);
  Painter.restore();
}

QImage DiagramImage(const TDiagramPicture& Picture, const QFont& Font) {
  const QRect Whole = WholePicture(Picture);
  QImage Image(Whole.size(), QImage::Format_RGB32);
  Image.fill(Qt::white);
  QPainter Painter(&Image);
  PaintDiagram(Painter, Picture, Font, Whole);
  return Image;
}

QImage DiagramImage(const TDiagramPicture& Picture, const QFont& Font, int Scale) {
  const QRect Whole = WholePicture(Picture);
  QImage Image(Whole.size() * Scale, QImage::Format_RGB32);
  if (Image.isNull()) return Image;
  Image.fill(Qt::white);
  constexpr double InchesPerMetre = 39.37;
  Image.setDotsPerMeterX(static_cast<int>(ExportResolution * Scale * InchesPerMetre));
  Image.setDotsPerMeterY(static_cast<int>(ExportResolution * Scale * InchesPerMetre));
  QPainter Painter(&Image);
  Painter.scale(Scale, Scale);
  PaintDiagram(Painter, Picture, Font, Whole);
  return Image;
}

bool WriteDiagramSvg(const TDiagramPicture& Picture, const QFont& Font, QIODevice& Device) {
  const QRect Whole = WholePicture(Picture);
  QSvgGenerator Generator;
  Generator.setOutputDevice(&Device);
  Generator.setResolution(ExportResolution);
  Generator.setSize(Whole.size());
  Generator.setViewBox(Whole);
  QPainter Painter;
  if (!Painter.begin(&Generator)) return false;
  Painter.fillRect(Whole, Qt::white);
  PaintDiagram(Painter, Picture, Font, Whole);
  return Painter.end();
}

bool WriteDiagramPdf(const TDiagramPicture& Picture, const QFont& Font, QIODevice& Device) {
  const QRect Whole = WholePicture(Picture);
  QPdfWriter Writer(&Device);
  Writer.setResolution(ExportResolution);
  const QSizeF PageSize(Whole.width() * 72.0 / ExportResolution,
                        Whole.height() * 72.0 / ExportResolution);
  Writer.setPageLayout(
      QPageLayout(QPageSize(PageSize, QPageSize::Point, QString(), QPageSize::ExactMatch),
                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  QPainter Painter;
  if (!Painter.begin(&Writer)) return false;
  Painter.fillRect(Whole, Qt::white);
  PaintDiagram(Painter, Picture, Font, Whole);
  return Painter.end();
}

}  // namespace palaver
