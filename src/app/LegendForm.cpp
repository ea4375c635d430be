#include "app/LegendForm.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "session/UserActionLog.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"
#include "views/QtText.h"

namespace palaver {

namespace {

// The width the examples are laid out at: wide enough that a warrant sentence takes a few lines,
// narrow enough to leave the explanations room beside it.
constexpr int LegendSurfaceWidth = 240;

}  // namespace

TLegendPicture::TLegendPicture(TLegendEntry Entry, QWidget* Parent)
    : QWidget(Parent), Entry(std::move(Entry)) {
  // Measured in the font it is painted in, on the screen it is shown on, as the diagram is.
  const TQtTextMeasurer Measurer(font(), this);
  TDiagramLayout Layout(Measurer, LegendSurfaceWidth, this->Entry.ShowStructureOnly);
  Layout.DrawDiagram(this->Entry.Example);
  ThePicture = std::move(Layout.Picture);
  // The example takes the room it draws in, not the whole width it was laid out at.
  int Right = 0;
  for (const TDiagramPrimitive& P : ThePicture.Primitives())
    if (P.Kind != TPrimitiveKind::Clear) Right = std::max(Right, P.Bounds.Right);
  ThePicture.Width = Right + 2;
  setFixedSize(sizeHint());
}

QSize TLegendPicture::sizeHint() const {
  return {ThePicture.Width, ThePicture.Height};
}

void TLegendPicture::paintEvent(QPaintEvent* Event) {
  QPainter Painter(this);
  PaintDiagram(Painter, ThePicture, font(), Event->rect());
}

TLegendForm::TLegendForm(QWidget* Parent) : QDialog(Parent) {
  setObjectName(QStringLiteral("LegendForm"));
  setFont(DiagramFont());
  setModal(false);

  Rows = new QScrollArea(this);
  Rows->setObjectName(QStringLiteral("LegendRows"));
  Rows->setWidgetResizable(true);
  Rows->setFrameShape(QFrame::NoFrame);
  QPalette White = Rows->palette();
  White.setColor(QPalette::Window, Qt::white);
  Rows->setPalette(White);

  CloseButton = new QPushButton(this);
  CloseButton->setObjectName(QStringLiteral("LegendCloseButton"));
  CloseButton->setDefault(true);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);

  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch(1);
  Buttons->addWidget(CloseButton);
  auto* Layout = new QVBoxLayout(this);
  Layout->setContentsMargins(0, 0, 0, 8);
  Layout->addWidget(Rows, 1);
  Buttons->setContentsMargins(8, 0, 8, 0);
  Layout->addLayout(Buttons);
}

void TLegendForm::ApplyLanguage(TLanguage Language) {
  const bool Dutch = Language == TLanguage::Dutch;
  setWindowTitle(ToQString(LegendTitle(Language)));
  CloseButton->setText(Dutch ? QStringLiteral("Sluiten") : QStringLiteral("Close"));

  delete Rows->takeWidget();
  RowPictures.clear();
  RowExplanations.clear();
  auto* Contents = new QWidget;
  Contents->setObjectName(QStringLiteral("LegendContents"));
  Contents->setAutoFillBackground(true);
  Contents->setBackgroundRole(QPalette::Window);
  Contents->setPalette(Rows->palette());
  Contents->setFont(font());
  auto* Grid = new QGridLayout(Contents);
  Grid->setContentsMargins(8, 8, 8, 8);
  Grid->setHorizontalSpacing(12);
  Grid->setVerticalSpacing(10);
  Grid->setColumnStretch(1, 1);

  // An explanation is one line where the window is wide enough, and wraps where it is not.
  const int TextWidth = QFontMetrics(font()).averageCharWidth() * 48;
  IntroductionLabel = new QLabel(ToQString(LegendIntroduction(Language)), Contents);
  IntroductionLabel->setObjectName(QStringLiteral("LegendIntroduction"));
  IntroductionLabel->setTextFormat(Qt::PlainText);
  IntroductionLabel->setWordWrap(true);
  Grid->addWidget(IntroductionLabel, 0, 0, 1, 2);
  NavigationLabel = new QLabel(ToQString(LegendNavigation(Language)), Contents);
  NavigationLabel->setObjectName(QStringLiteral("LegendNavigation"));
  NavigationLabel->setTextFormat(Qt::PlainText);
  NavigationLabel->setWordWrap(true);
  Grid->addWidget(NavigationLabel, 1, 0, 1, 2);

  int Row = 2;
  for (const TLegendEntry& Entry : DiagramLegend(Language)) {
    auto* Picture = new TLegendPicture(Entry, Contents);
    auto* Text = new QLabel(ToQString(Entry.Explanation), Contents);
    Text->setTextFormat(Qt::PlainText);
    Text->setWordWrap(true);
    Text->setMinimumWidth(TextWidth);
    Grid->addWidget(Picture, Row, 0, Qt::AlignLeft | Qt::AlignTop);
    Grid->addWidget(Text, Row, 1, Qt::AlignVCenter);
    RowPictures.push_back(Picture);
    RowExplanations.push_back(Text);
    ++Row;
  }
  Grid->setRowStretch(Row, 1);
  Rows->setWidget(Contents);

  // All of it when the screen has the room, otherwise as much as fits, with a scroll bar. A
  // legend already open keeps the size the user gave it.
  if (isVisible()) return;
  const QSize Wanted =
      Contents->sizeHint() + QSize(Rows->verticalScrollBar()->sizeHint().width(), 0);
  QRect Available(0, 0, 1024, 768);
  if (const QScreen* Screen = screen() ? screen() : QGuiApplication::primaryScreen())
    Available = Screen->availableGeometry();
  resize(std::min(Wanted.width(), Available.width() * 9 / 10),
         std::min(Wanted.height() + CloseButton->sizeHint().height() + 16,
                  Available.height() * 3 / 4));
}

void TLegendForm::done(int Result) {
  if (isVisible()) LogUserAction("Close legend");
  QDialog::done(Result);
}

}  // namespace palaver
