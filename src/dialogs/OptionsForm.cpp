#include "dialogs/OptionsForm.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <QWindow>

#include "session/ProgramState.h"

namespace palaver {

TOptionsForm::TOptionsForm(QWidget* Parent) : QDialog(Parent) {
  setObjectName(QStringLiteral("OptionsForm"));
  setWindowTitle(QStringLiteral("Options"));
  setModal(true);
  QFont Font(QStringLiteral("Sans Serif"), 8);
  Font.setStyleHint(QFont::SansSerif);
  setFont(Font);
  setFixedSize(FrameGeometry.size());

  ArgumentsViewRadioGroup = new QGroupBox(QStringLiteral("Arguments view"), this);
  ArgumentsViewRadioGroup->setObjectName(QStringLiteral("ArgumentsViewRadioGroup"));
  ArgumentsViewItems = new QButtonGroup(this);
  ArgumentsViewItems->setExclusive(true);
  // Narrow margins: the window is small and the longer item needs nearly all of its width.
  auto* Items = new QVBoxLayout(ArgumentsViewRadioGroup);
  Items->setContentsMargins(2, 2, 0, 4);
  int Index = 0;
  for (const QString& Caption : {QStringLiteral("Arguments are coordinated"),
                                 QStringLiteral("Arguments are not coordinated")}) {
    auto* Item = new QRadioButton(Caption, ArgumentsViewRadioGroup);
    ArgumentsViewItems->addButton(Item, Index++);
    Items->addWidget(Item);
  }
  SetArgumentsViewItemIndex(0);

  OKButton = new QPushButton(QStringLiteral("&OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setDefault(true);
  auto* ButtonRow = new QHBoxLayout;
  ButtonRow->addStretch();
  ButtonRow->addWidget(OKButton);
  ButtonRow->addStretch();

  auto* Layout = new QVBoxLayout(this);
  Layout->setContentsMargins(2, 6, 2, 8);
  Layout->addWidget(ArgumentsViewRadioGroup);
  Layout->addStretch();
  Layout->addLayout(ButtonRow);

  connect(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
}

int TOptionsForm::ArgumentsViewItemIndex() const {
  return ArgumentsViewItems->checkedId();
}

void TOptionsForm::SetArgumentsViewItemIndex(int Index) {
  if (QAbstractButton* Item = ArgumentsViewItems->button(Index)) Item->setChecked(true);
}

QRadioButton* TOptionsForm::ArgumentsViewItem(int Index) const {
  return qobject_cast<QRadioButton*>(ArgumentsViewItems->button(Index));
}

void TOptionsForm::OKButtonClick() {
  hide();
  State().ArgumentsNotCoordinated = ArgumentsViewItemIndex() == 1;
  if (ShowArgumentsTree) ShowArgumentsTree();
  accept();
}

void TOptionsForm::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  if (Event->spontaneous()) return;
  // The frame is the window system's; its margins are known once the window has one, which
  // may be only from the second showing on. Until then the client area takes the whole size.
  const QMargins Frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
  setFixedSize(FrameGeometry.width() - Frame.left() - Frame.right(),
               FrameGeometry.height() - Frame.top() - Frame.bottom());
  // For a window, move places the frame's top left corner.
  move(FrameGeometry.topLeft());
}

}  // namespace palaver
