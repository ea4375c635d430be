#pragma once

#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>

namespace palaver::test {

// The Qt Test function now running, with its data row: what a watch for a dialog belongs to.
inline QByteArray RunningTestFunction() {
  const char* Function = QTest::currentTestFunction();
  const char* Row = QTest::currentDataTag();
  return QByteArray(Function != nullptr ? Function : "") + '/' + (Row != nullptr ? Row : "");
}

// Runs Inspect on the modal dialog of type T as soon as it is open and has the keyboard focus,
// as a user would find it. Inspect runs inside the dialog's own event loop, so it must close the
// dialog itself; a dialog left open (a check in Inspect failed and returned early) is rejected,
// so that the test goes on to report it.
//
// The watch belongs to the test function that set it. It fails that test when no such dialog
// has opened within DeadlineMs, and it ends unused when that test function is over (it failed
// before its dialog opened), so that it never acts on a later test's dialog with the references
// of a test that has returned.
template <class T>
void WhenOpen(std::function<void(T&)> Inspect, int DeadlineMs = 20000) {
  auto* Poll = new QTimer(QCoreApplication::instance());
  const QByteArray Owner = RunningTestFunction();
  const QDeadlineTimer GiveUp(DeadlineMs);
  // The window system activates a new window a little after it is shown, later on a busy
  // machine; a dialog that is never given the focus is inspected after two seconds all the same.
  QDeadlineTimer FocusGiven(QDeadlineTimer::Forever);
  QObject::connect(Poll, &QTimer::timeout, Poll, [=]() mutable {
    const auto Stop = [Poll] {
      Poll->stop();
      Poll->deleteLater();
    };
    if (RunningTestFunction() != Owner) return Stop();
    auto* Dialog = dynamic_cast<T*>(QApplication::activeModalWidget());
    if (Dialog == nullptr || !Dialog->isVisible()) {
      if (!GiveUp.hasExpired()) return;
      Stop();
      QTest::qFail(QByteArray("No ") + T::staticMetaObject.className() + " opened within " +
                       QByteArray::number(DeadlineMs) + " ms",
                   __FILE__, __LINE__);
      return;
    }
    const QWidget* Focus = QApplication::focusWidget();
    const bool Focused = Focus != nullptr && Focus->window() == Dialog;
    if (!Focused) {
      if (FocusGiven.isForever()) FocusGiven.setRemainingTime(2000);
      if (!FocusGiven.hasExpired()) return;
    }
    Stop();
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

// Clicks within what the control shows: a check box or radio item stretched by its layout
// answers only on its mark and its caption, not on the stretch after it.
inline void Click(QWidget* Widget) {
  const QPoint Where(std::min(Widget->width(), Widget->sizeHint().width()) / 2,
                     Widget->height() / 2);
  QTest::mouseClick(Widget, Qt::LeftButton, Qt::NoModifier, Where);
}

}  // namespace palaver::test
