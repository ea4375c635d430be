#include "dialogs/AboutForm.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "dialogs/BuildInfo.h"

namespace palaver {

namespace {

constexpr QSize ClientSize(388, 250);
constexpr int Panel1Height = 41;

}  // namespace

TAboutForm::TAboutForm(QWidget* Parent) : QDialog(Parent) {
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(QStringLiteral("About Palaver"));
  setModal(true);
  QFont Font(QStringLiteral("Sans Serif"), 8);
  Font.setStyleHint(QFont::SansSerif);
  setFont(Font);
  setFixedSize(ClientSize);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  // Long lines wrap at the window's edge; the lines themselves stay as they are.
  Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Memo1->setPlainText(AboutLines().join(QLatin1Char('\n')));

  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(Panel1Height);
  Button1 = new QPushButton(QStringLiteral("&OK"), Panel1);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  auto* PanelLayout = new QHBoxLayout(Panel1);
  PanelLayout->addStretch();
  PanelLayout->addWidget(Button1);
  PanelLayout->addStretch();

  auto* Layout = new QVBoxLayout(this);
  Layout->setContentsMargins(0, 0, 0, 0);
  Layout->setSpacing(0);
  Layout->addWidget(Memo1, 1);
  Layout->addWidget(Panel1);

  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

QStringList TAboutForm::AboutLines() {
  const QString Version = QString::fromUtf8(PalaverVersion);
  const QString Date = QString::fromUtf8(PalaverReleaseDate);
  return {
      QStringLiteral("Palaver ") + Version + QStringLiteral(" - an argument-assistance system"),
      QString(),
      QStringLiteral("Version ") + Date,
      QString(),
      QStringLiteral("NOTE: The Palaver-system has been programmed as a research tool. It "),
      QStringLiteral(
          "can contain bugs. No liability is accepted for any damages occurring by using it. "),
  };
}

void TAboutForm::Button1Click() {
  accept();
}

void TAboutForm::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  if (Event->spontaneous()) return;
  if (const QScreen* Screen = screen()) {
    QRect Frame = frameGeometry();
    Frame.moveCenter(Screen->availableGeometry().center());
    move(Frame.topLeft());
  }
  Button1->setFocus(Qt::OtherFocusReason);
}

}  // namespace palaver
