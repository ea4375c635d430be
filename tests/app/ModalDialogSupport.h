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
#include <memory>

namespace palaver::guitest {

// Runs Inspect on the modal dialog of type T as soon as it is open and has the keyboard focus,
// as a user would find it. Inspect runs inside the dialog's own event loop, so it must close the
// dialog itself; a dialog left open (a check in Inspect failed and returned early) is rejected,
// so that the test goes on to report it.
template <class T>
void WhenOpen(std::function<void(T&)> Inspect) {
  auto* Poll = new QTimer;
  // The window system activates a new window a little after it is shown, later on a busy
  // machine; a dialog that is never given the focus is inspected after two seconds all the same.
  auto Waited = std::make_shared<int>(0);
  QObject::connect(Poll, &QTimer::timeout, [Poll, Inspect, Waited] {
    auto* Dialog = dynamic_cast<T*>(QApplication::activeModalWidget());
    if (Dialog == nullptr || !Dialog->isVisible()) return;
    const QWidget* Focus = QApplication::focusWidget();
    const bool Focused = Focus != nullptr && Focus->window() == Dialog;
    if (!Focused && ++*Waited < 200) return;
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
