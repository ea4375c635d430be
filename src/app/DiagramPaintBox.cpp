#include "app/DiagramPaintBox.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "model/ArgumentationStage.h"
#include "session/ProgramState.h"

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

void TDiagramPaintBox::DrawDiagram(const TArgumentationStage& Stage, bool ShowStructureOnly) {
  RenewMeasurer();
  Layout->ShowStructureOnly = ShowStructureOnly;
  Layout->Language = State().Language;
  Layout->DrawDiagram(Stage);
  SyncWidgetSize();
  update();
}

void TDiagramPaintBox::DrawStatements(const TArgumentationStage& Stage, bool ShowStructureOnly) {
  RenewMeasurer();
  Layout->ShowStructureOnly = ShowStructureOnly;
  Layout->Language = State().Language;
  Layout->DrawStatements(Stage);
  SyncWidgetSize();
  update();
}

void TDiagramPaintBox::ClearPicture() {
  Layout->Picture.ClearPrimitives();
  update();
}

void TDiagramPaintBox::paintEvent(QPaintEvent* Event) {
  if (PaintsPicture && !PaintsPicture()) return;  // the background stays white
  QPainter Painter(this);
  PaintDiagram(Painter, Layout->Picture, font(), Event->rect());
}

}  // namespace palaver
