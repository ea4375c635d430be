#include "app/DiagramPaintBox.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "model/ArgumentationStage.h"
#include "session/ProgramState.h"
#include "views/QtText.h"

namespace palaver {

namespace {

// A widget is at most 16,777,215 pixels high: a zoomed drawing stops where its surface would be
// taller.
int HeightLimitAtZoom(int Percent) {
  return Percent <= 100
             ? DiagramHeightLimit
             : static_cast<int>(static_cast<long long>(DiagramHeightLimit) * 100 / Percent);
}

}  // namespace

TDiagramPaintBox::TDiagramPaintBox(QWidget* Parent) : QWidget(Parent) {
  QPalette White = palette();
  White.setColor(QPalette::Window, Qt::white);
  setPalette(White);
  setAutoFillBackground(true);
  RenewMeasurer();
}

TDiagramPaintBox::~TDiagramPaintBox() = default;

void TDiagramPaintBox::RenewMeasurer() {
  auto NewMeasurer = std::make_unique<TQtTextMeasurer>(font(), this);
  auto NewLayout = std::make_unique<TDiagramLayout>(*NewMeasurer, 0);
  if (Layout) {
    // The surface keeps its size, picture, pen and font; only the measures are new.
    NewLayout->Picture = std::move(Layout->Picture);
    NewLayout->Pen = Layout->Pen;
    NewLayout->Font = Layout->Font;
    NewLayout->ShowStructureOnly = Layout->ShowStructureOnly;
  }
  NewLayout->HeightLimit = HeightLimitAtZoom(Zoom);
  Layout = std::move(NewLayout);
  Measurer = std::move(NewMeasurer);
}

int TDiagramPaintBox::SurfaceHeight() const {
  const long long Height = Layout->Picture.Height;
  return Zoom == 100 ? Layout->Picture.Height : static_cast<int>((Height * Zoom + 99) / 100);
}

void TDiagramPaintBox::SyncWidgetSize() {
  const QSize Size(std::max(ScreenWidth, 0), std::max(SurfaceHeight(), 0));
  if (size() != Size) resize(Size);
}

void TDiagramPaintBox::SetSurfaceWidth(int Width) {
  ScreenWidth = Width;
  Layout->Picture.Width =
      Zoom == 100 ? Width : static_cast<int>(static_cast<long long>(Width) * 100 / Zoom);
  SyncWidgetSize();
}

void TDiagramPaintBox::SetSurfaceHeight(int Height) {
  Layout->Picture.Height =
      Zoom == 100 ? Height : static_cast<int>(static_cast<long long>(Height) * 100 / Zoom);
  SyncWidgetSize();
}

void TDiagramPaintBox::SetZoomPercent(int Percent) {
  if (Percent == Zoom || Percent <= 0) return;
  Zoom = Percent;
  Layout->HeightLimit = HeightLimitAtZoom(Zoom);
  SetSurfaceWidth(ScreenWidth);
  update();
}

QRect TDiagramPaintBox::ScreenRect(const TDiagramRect& Rect) const {
  if (Zoom == 100) return QRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
  const auto Scaled = [this](int Value) {
    return static_cast<int>(std::floor(static_cast<double>(Value) * Zoom / 100));
  };
  return QRect(QPoint(Scaled(Rect.Left), Scaled(Rect.Top)),
               QPoint(Scaled(Rect.Right) - 1, Scaled(Rect.Bottom) - 1));
}

QPoint TDiagramPaintBox::PicturePoint(QPoint ScreenPoint) const {
  if (Zoom == 100) return ScreenPoint;
  return QPoint(static_cast<int>(std::floor(ScreenPoint.x() * 100.0 / Zoom)),
                static_cast<int>(std::floor(ScreenPoint.y() * 100.0 / Zoom)));
}

void TDiagramPaintBox::SetMarks(std::vector<std::size_t> Boxes, int CurrentBox) {
  Marked = std::move(Boxes);
  Current = CurrentBox;
  update();
}

void TDiagramPaintBox::SetCurrentMark(int CurrentBox) {
  Current = CurrentBox;
  update();
}

void TDiagramPaintBox::AfterDrawing() {
  ++Drawings;
  Marked.clear();
  Current = -1;
  SyncWidgetSize();
  update();
}

void TDiagramPaintBox::DrawDiagram(const PArgumentationStage& Stage, bool ShowStructureOnly) {
  RenewMeasurer();
  Layout->ShowStructureOnly = ShowStructureOnly;
  this->Stage = Stage;
  Drawn = Stage->MaximalDialecticalArguments;
  Layout->Language = State().Language;
  Layout->DrawDiagram(*Stage);
  AfterDrawing();
}

void TDiagramPaintBox::DrawStatements(const PArgumentationStage& Stage, bool ShowStructureOnly) {
  RenewMeasurer();
  Layout->ShowStructureOnly = ShowStructureOnly;
  this->Stage = Stage;
  Drawn.Clear();
  Layout->Language = State().Language;
  Layout->DrawStatements(*Stage);
  AfterDrawing();
}

void TDiagramPaintBox::ClearPicture() {
  Layout->Picture.ClearPrimitives();
  Stage.reset();
  Drawn.Clear();
  AfterDrawing();
}

bool TDiagramPaintBox::event(QEvent* Event) {
  if (Event->type() != QEvent::ToolTip) return QWidget::event(Event);
  const auto* Help = static_cast<QHelpEvent*>(Event);
  const TDiagramBox* Box = nullptr;
  if (Stage && BoxToolTip && (!PaintsPicture || PaintsPicture())) {
    const QPoint At = PicturePoint(Help->pos());
    Box = Layout->Picture.BoxAt(At.x(), At.y());
  }
  const std::string Text = Box != nullptr ? BoxToolTip(*Box) : std::string();
  if (Box == nullptr || Text.empty()) {
    QToolTip::hideText();
    Event->ignore();
    return true;
  }
  // Rich text, so that a long line wraps, and at a width that reads well rather than in the
  // narrow column a tooltip wraps to by itself. The tip goes when the pointer leaves the box.
  const QStringList Lines = ToQString(Text).split(QLatin1Char('\n'));
  const QFontMetrics Metrics(QToolTip::font());
  const int WrapWidth = Metrics.averageCharWidth() * 64;
  QString Body;
  bool Long = false;
  for (qsizetype I = 0; I < Lines.size(); ++I) {
    Body += (I > 0 ? QStringLiteral("<br>") : QString()) + Lines[I].toHtmlEscaped();
    Long = Long || Metrics.horizontalAdvance(Lines[I]) > WrapWidth;
  }
  const QString Html =
      Long ? QStringLiteral(
                 "<qt><table width=\"%1\" cellspacing=\"0\" cellpadding=\"0\"><tr><td>%2"
                 "</td></tr></table></qt>")
                 .arg(WrapWidth)
                 .arg(Body)
           : QStringLiteral("<qt>%1</qt>").arg(Body);
  const TDiagramRect& B = Box->Bounds;
  QToolTip::showText(Help->globalPos(), Html, this, ScreenRect(B));
  return true;
}

void TDiagramPaintBox::paintEvent(QPaintEvent* Event) {
  if (PaintsPicture && !PaintsPicture()) return;  // the background stays white
  QPainter Painter(this);
  if (Zoom == 100) {
    PaintDiagram(Painter, Layout->Picture, font(), Event->rect());
  } else {
    // The exposed area in the picture's pixels, rounded outwards.
    const QRect& R = Event->rect();
    const double Scale = Zoom / 100.0;
    const int Left = static_cast<int>(std::floor(R.left() / Scale));
    const int Top = static_cast<int>(std::floor(R.top() / Scale));
    const int Right = static_cast<int>(std::ceil((R.right() + 1) / Scale));
    const int Bottom = static_cast<int>(std::ceil((R.bottom() + 1) / Scale));
    Painter.scale(Scale, Scale);
    PaintDiagram(Painter, Layout->Picture, font(), QRect(Left, Top, Right - Left, Bottom - Top));
  }
  const QPoint From = PicturePoint(Event->rect().topLeft());
  const QPoint To = PicturePoint(Event->rect().bottomRight());
  PaintMarks(Painter, TDiagramRect{From.x() - 4, From.y() - 4, To.x() + 5, To.y() + 5});
}

void TDiagramPaintBox::PaintMarks(QPainter& Painter, const TDiagramRect& Exposed) const {
  if (Marked.empty()) return;
  // A ring just outside each box found, in the gap between the rows; the current one wider.
  const auto& Boxes = Layout->Picture.Boxes;
  Painter.setRenderHint(QPainter::Antialiasing, false);
  Painter.setBrush(Qt::NoBrush);
  for (std::size_t I = 0; I < Marked.size(); ++I) {
    if (Marked[I] >= Boxes.size() || !Boxes[Marked[I]].Bounds.Intersects(Exposed)) continue;
    const bool IsCurrent = static_cast<int>(I) == Current;
    const TDiagramRect& B = Boxes[Marked[I]].Bounds;
    Painter.setPen(QPen(IsCurrent ? QColor(255, 102, 0) : QColor(255, 196, 0), IsCurrent ? 2 : 1));
    Painter.drawRect(QRectF(B.Left - 1.5, B.Top - 1.5, B.Width() + 2, B.Height() + 2));
  }
}

}  // namespace palaver
