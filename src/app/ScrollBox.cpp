#include "app/ScrollBox.h"

#include <QContextMenuEvent>
#include <QPalette>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>

namespace palaver {

TScrollBox::TScrollBox(QWidget* Parent) : QScrollArea(Parent) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(false);
  QPalette White = palette();
  White.setColor(QPalette::Window, Qt::white);
  White.setColor(QPalette::Base, Qt::white);
  setPalette(White);
  setBackgroundRole(QPalette::Window);
  viewport()->setBackgroundRole(QPalette::Window);
  viewport()->setAutoFillBackground(true);

  auto* ContentsWidget = new QWidget;
  ContentsWidget->setObjectName(QStringLiteral("ScrollBox1Contents"));
  ContentsWidget->setAutoFillBackground(true);
  ContentsWidget->setBackgroundRole(QPalette::Window);
  ContentsWidget->resize(0, 0);
  setWidget(ContentsWidget);
}

void TScrollBox::FitContents() {
  QRect Extent;
  for (QObject* Child : Contents()->children()) {
    auto* View = qobject_cast<QWidget*>(Child);
    if (View != nullptr && !View->isHidden()) Extent |= View->geometry();
  }
  // Views sit at the top left; an empty surface still counts from the origin.
  const QSize Size(std::max(Extent.right() + 1, 0), std::max(Extent.bottom() + 1, 0));
  if (Contents()->size() != Size) Contents()->resize(Size);
}

void TScrollBox::resizeEvent(QResizeEvent* Event) {
  QScrollArea::resizeEvent(Event);
  if (OnResize) OnResize();
}

void TScrollBox::wheelEvent(QWheelEvent* Event) {
  if (!(Event->modifiers() & Qt::ControlModifier) || !OnCtrlWheel) {
    QScrollArea::wheelEvent(Event);
    return;
  }
  constexpr int Notch = 120;
  CtrlWheelRest += Event->angleDelta().y();
  const int Steps = CtrlWheelRest / Notch;
  CtrlWheelRest -= Steps * Notch;
  const QPoint Where = viewport()->mapFromGlobal(Event->globalPosition().toPoint());
  if (Steps == 0 || OnCtrlWheel(Steps, Where))
    Event->accept();
  else
    QScrollArea::wheelEvent(Event);
}

void TScrollBox::contextMenuEvent(QContextMenuEvent* Event) {
  if (OnContextMenu && OnContextMenu(Event->globalPos()))
    Event->accept();
  else
    QScrollArea::contextMenuEvent(Event);
}

}  // namespace palaver
