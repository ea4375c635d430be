#include "app/DiagramPaintBox.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "model/ArgumentationStage.h"
#include "session/ProgramState.h"
#include "views/QtText.h"

namespace palaver {

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
  Layout = std::move(NewLayout);
  Measurer = std::move(NewMeasurer);
}

void TDiagramPaintBox::SyncWidgetSize() {
  const QSize Size(std::max(Layout->Picture.Width, 0), std::max(Layout->Picture.Height, 0));
  if (size() != Size) resize(Size);
}

void TDiagramPaintBox::SetSurfaceWidth(int Width) {
  Layout->Picture.Width = Width;
  SyncWidgetSize();
}

void TDiagramPaintBox::SetSurfaceHeight(int Height) {
  Layout->Picture.Height = Height;
  SyncWidgetSize();
}

void TDiagramPaintBox::DrawDiagram(const PArgumentationStage& Stage, bool ShowStructureOnly) {
  RenewMeasurer();
  Layout->ShowStructureOnly = ShowStructureOnly;
  this->Stage = Stage;
  Drawn = Stage->MaximalDialecticalArguments;
  Layout->Language = State().Language;
  Layout->DrawDiagram(*Stage);
  SyncWidgetSize();
  update();
}

void TDiagramPaintBox::DrawStatements(const PArgumentationStage& Stage, bool ShowStructureOnly) {
  RenewMeasurer();
  Layout->ShowStructureOnly = ShowStructureOnly;
  this->Stage = Stage;
  Drawn.Clear();
  Layout->Language = State().Language;
  Layout->DrawStatements(*Stage);
  SyncWidgetSize();
  update();
}

void TDiagramPaintBox::ClearPicture() {
  Layout->Picture.ClearPrimitives();
  Stage.reset();
  Drawn.Clear();
  update();
}

bool TDiagramPaintBox::event(QEvent* Event) {
  if (Event->type() != QEvent::ToolTip) return QWidget::event(Event);
  const auto* Help = static_cast<QHelpEvent*>(Event);
  const TDiagramBox* Box = nullptr;
  if (Stage && BoxToolTip && (!PaintsPicture || PaintsPicture()))
    Box = Layout->Picture.BoxAt(Help->pos().x(), Help->pos().y());
  const std::string Text = Box != nullptr ? BoxToolTip(*Box) : std::string();
  if (Text.empty()) {
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
  QToolTip::showText(Help->globalPos(), Html, this, QRect(B.Left, B.Top, B.Width(), B.Height()));
  return true;
}

void TDiagramPaintBox::paintEvent(QPaintEvent* Event) {
  if (PaintsPicture && !PaintsPicture()) return;  // the background stays white
  QPainter Painter(this);
  PaintDiagram(Painter, Layout->Picture, font(), Event->rect());
}

}  // namespace palaver
