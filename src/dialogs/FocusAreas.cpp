#include "dialogs/FocusAreas.h"

#include <QApplication>
#include <QWidget>

namespace palaver {

TFocusAreas::TFocusAreas(QWidget& Form) : QObject(&Form), Form(Form) {
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* Now) { FocusChanged(Now); });
}

void TFocusAreas::Add(QWidget& Area, std::function<void()> Enter, std::function<void()> Exit) {
  Areas.push_back({&Area, std::move(Enter), std::move(Exit)});
}

void TFocusAreas::Start() {
  Active = nullptr;
  Running = true;
}

void TFocusAreas::Stop() {
  Running = false;
  Active = nullptr;
}

const TFocusAreas::TArea* TFocusAreas::Find(const QWidget* Widget) const {
  for (const TArea& A : Areas)
    if (A.Widget == Widget) return &A;
  return nullptr;
}

QWidget* TFocusAreas::AreaOf(QWidget* Widget) const {
  for (QWidget* W = Widget; W != nullptr; W = W->parentWidget()) {
    if (Find(W) != nullptr || W == &Form) return W;
    // A combo box's list is a popup window of its own whose parent is the combo box: it
    // belongs to the combo box. Any other window is somewhere else.
    if (W->isWindow() && W->windowType() != Qt::Popup) return nullptr;
  }
  return nullptr;
}

void TFocusAreas::FocusChanged(QWidget* Now) {
  if (!Running) return;
  QWidget* NowArea = AreaOf(Now);
  if (NowArea == nullptr || NowArea == Active) return;

  const TArea* Left = Find(Active);
  const TArea* Entered = Find(NowArea);
  Active = NowArea;
  if (Left != nullptr && Left->Exit) Left->Exit();
  // The exit handler may have closed the dialog.
  if (Running && Entered != nullptr && Entered->Enter) Entered->Enter();
}

}  // namespace palaver
