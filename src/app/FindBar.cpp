#include "app/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "model/GroupedDigits.h"
#include "views/QtText.h"

namespace palaver {

namespace {

QToolButton* MakeButton(QWidget* Parent, const char* Name, Qt::ArrowType Arrow) {
  auto* Button = new QToolButton(Parent);
  Button->setObjectName(QString::fromLatin1(Name));
  Button->setAutoRaise(true);
  // The keys do the same; the buttons are for the mouse.
  Button->setFocusPolicy(Qt::NoFocus);
  if (Arrow != Qt::NoArrow) Button->setArrowType(Arrow);
  return Button;
}

}  // namespace

TFindBar::TFindBar(QWidget* Parent) : QFrame(Parent) {
  setObjectName(QStringLiteral("FindBar"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Button);

  FindEdit = new QLineEdit(this);
  FindEdit->setObjectName(QStringLiteral("FindEdit"));
  FindEdit->setClearButtonEnabled(true);
  FindEdit->installEventFilter(this);
  ResultLabel = new QLabel(this);
  ResultLabel->setObjectName(QStringLiteral("FindResultLabel"));
  ResultLabel->setTextFormat(Qt::PlainText);
  PreviousButton = MakeButton(this, "FindPreviousButton", Qt::UpArrow);
  NextButton = MakeButton(this, "FindNextButton", Qt::DownArrow);
  CloseButton = MakeButton(this, "FindCloseButton", Qt::NoArrow);
  CloseButton->setText(QStringLiteral("\u2715"));

  auto* Layout = new QHBoxLayout(this);
  Layout->setContentsMargins(6, 3, 3, 3);
  Layout->setSpacing(4);
  Layout->addWidget(FindEdit, 1);
  Layout->addWidget(ResultLabel);
  Layout->addWidget(PreviousButton);
  Layout->addWidget(NextButton);
  Layout->addWidget(CloseButton);

  connect(FindEdit, &QLineEdit::textChanged, this, [this] {
    if (OnTextChanged) OnTextChanged();
  });
  connect(PreviousButton, &QToolButton::clicked, this, [this] {
    if (OnStep) OnStep(false);
  });
  connect(NextButton, &QToolButton::clicked, this, [this] {
    if (OnStep) OnStep(true);
  });
  connect(CloseButton, &QToolButton::clicked, this, [this] {
    if (OnClose) OnClose();
  });
  hide();
}

bool TFindBar::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == FindEdit && Event->type() == QEvent::KeyPress) {
    const auto* Key = static_cast<QKeyEvent*>(Event);
    if (Key->key() == Qt::Key_Escape) {
      if (OnClose) OnClose();
      return true;
    }
    if (Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter) {
      if (OnStep) OnStep(!(Key->modifiers() & Qt::ShiftModifier));
      return true;
    }
  }
  return QFrame::eventFilter(Watched, Event);
}

void TFindBar::ApplyLanguage(TLanguage Language) {
  const bool Dutch = Language == TLanguage::Dutch;
  FindEdit->setPlaceholderText(Dutch ? QStringLiteral("Zoek een bewering")
                                     : QStringLiteral("Find a statement"));
  PreviousButton->setToolTip(Dutch ? QStringLiteral("Vorige (Shift+F3)")
                                   : QStringLiteral("Previous (Shift+F3)"));
  NextButton->setToolTip(Dutch ? QStringLiteral("Volgende (F3)") : QStringLiteral("Next (F3)"));
  CloseButton->setToolTip(Dutch ? QStringLiteral("Sluiten (Escape)")
                                : QStringLiteral("Close (Escape)"));
}

void TFindBar::ShowResult(int Current, int Count, TLanguage Language) {
  const bool Dutch = Language == TLanguage::Dutch;
  const QString Text = FindEdit->text();
  // A pasted paragraph is quoted by its start.
  constexpr int Quoted = 40;
  const QString Shown = Text.size() > Quoted ? Text.left(Quoted) + QChar(0x2026) : Text;
  if (Text.isEmpty()) {
    ResultLabel->clear();
  } else if (Count == 0) {
    ResultLabel->setText((Dutch ? QStringLiteral("Geen bewering bevat \u201c%1\u201d")
                                : QStringLiteral("No statement contains \u201c%1\u201d"))
                             .arg(Shown));
  } else {
    const QString K = ToQString(GroupedDigits(static_cast<std::uint64_t>(Current) + 1, Language));
    const QString N = ToQString(GroupedDigits(static_cast<std::uint64_t>(Count), Language));
    ResultLabel->setText(
        (Dutch ? QStringLiteral("%1 van %2") : QStringLiteral("%1 of %2")).arg(K, N));
  }
  // A search that finds nothing says so in red, as the box does not.
  QPalette Palette = ResultLabel->palette();
  Palette.setColor(QPalette::WindowText, Count == 0 ? QColor(192, 0, 0) : QColor(Qt::black));
  ResultLabel->setPalette(Palette);
}

}  // namespace palaver
