#pragma once

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>

namespace palaver::guitest {

// Runs Inspect on the modal dialog of type T as soon as it is open. Inspect runs inside the
// dialog's own event loop, so it must close the dialog itself; a dialog left open (a check in
// Inspect failed and returned early) is rejected, so that the test goes on to report it.
template <class T>
void WhenOpen(std::function<void(T&)> Inspect) {
  auto* Poll = new QTimer;
  QObject::connect(Poll, &QTimer::timeout, [Poll, Inspect] {
    auto* Dialog = dynamic_cast<T*>(QApplication::activeModalWidget());
    if (Dialog == nullptr || !Dialog->isVisible()) return;
    Poll->stop();
    Poll->deleteLater();
    const QPointer<QWidget> Open(Dialog);
    Inspect(*Dialog);
    if (Open && Open->isVisible()) static_cast<QDialog*>(Open.data())->reject();
  });
  Poll->start(10);
}

// The window's close box: the window system asks the window to close.
inline void ClickCloseBox(QWidget& Window) {
  QCloseEvent Event;
  QApplication::sendEvent(Window.windowHandle(), &Event);
}

// Clicks what a radio item or check box shows, its mark and caption, not the stretch after it.
inline void ClickItem(QWidget* Item) {
  const QPoint Where(std::min(Item->width(), Item->sizeHint().width()) / 2, Item->height() / 2);
  QTest::mouseClick(Item, Qt::LeftButton, Qt::NoModifier, Where);
}

}  // namespace palaver::guitest
