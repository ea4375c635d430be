// The paint surface in the window: what it paints, and how its width and height follow the
// scroll area and the drawings.

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <cstdlib>

#include "GuiTestSupport.h"
#include "app/DiagramPaintBox.h"
#include "app/ScrollBox.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

const QColor Teal(0, 128, 128);

// The surface as its paint requests draw it, at the given device pixel ratio.
QImage Painted(TDiagramPaintBox& Surface, qreal Ratio = 1) {
  QImage Image(Surface.size() * Ratio, QImage::Format_RGB32);
  Image.setDevicePixelRatio(Ratio);
  Image.fill(Qt::magenta);
  Surface.render(&Image);
  return Image;
}

const TDiagramPrimitive* First(const TDiagramPicture& Picture, TPrimitiveKind Kind) {
  for (const TDiagramPrimitive& P : Picture.Primitives())
    if (P.Kind == Kind) return &P;
  return nullptr;
}

// Glyphs are smoothed, so text is told by its hue: more green and blue than red.
bool IsTealish(const QColor& C) {
  return C.green() > C.red() + 40 && C.blue() > C.red() + 40 && std::abs(C.green() - C.blue()) < 40;
}

int CountTealish(const QImage& Image, const QRect& Area) {
  int Count = 0;
  for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
    for (int X = Area.left(); X <= Area.right(); ++X)
      if (IsTealish(Image.pixelColor(X, Y))) ++Count;
  return Count;
}

int CountColour(const QImage& Image, const QRect& Area, const QColor& Colour) {
  int Count = 0;
  for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
    for (int X = Area.left(); X <= Area.right(); ++X)
      if (Image.pixelColor(X, Y) == Colour) ++Count;
  return Count;
}

// Enough statements to make either drawing taller than the scroll area.
void MakeManyStatements(TArgIntForm& Form, int Count = 25) {
  for (int I = 0; I < Count; ++I)
    Form.Core().StatementMove(Issue("statement " + std::to_string(I)));
}

}  // namespace

class SurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void aSingleIssueIsPaintedAsATealBoxWithItsIcon() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Issue("a"));
    TDiagramPaintBox& Surface = *Form.DialArgsPaintBox;
    const TDiagramPrimitive* Box = First(Surface.Picture(), TPrimitiveKind::Box);
    const TDiagramPrimitive* Text = First(Surface.Picture(), TPrimitiveKind::Text);
    QVERIFY(Box != nullptr && Text != nullptr);
    QCOMPARE(Box->Bounds.Left, 2);
    QCOMPARE(Box->Bounds.Top, 2);
    QCOMPARE(Box->Bounds.Bottom, 24);
    QCOMPARE(Surface.height(), 26);

    const QImage Image = Painted(Surface);
    QCOMPARE(Image.pixelColor(2, 2), Teal);
    QCOMPARE(Image.pixelColor(Box->Bounds.Right - 1, 23), Teal);
    QCOMPARE(Image.pixelColor(2, 12), Teal);
    QCOMPARE(Image.pixelColor(1, 12), QColor(Qt::white));
    QCOMPARE(Image.pixelColor(Box->Bounds.Right, 12), QColor(Qt::white));
    QCOMPARE(Image.pixelColor(2, 24), QColor(Qt::white));
    QCOMPARE(Image.pixelColor(3, 3), QColor(Qt::white));
    // The "?" icon in black, and the sentence in teal.
    QVERIFY(CountColour(Image, QRect(5, 3, 16, 20), Qt::black) > 0);
    const QRect TextCell(Text->Bounds.Left, Text->Bounds.Top, Text->Bounds.Width(),
                         Text->Bounds.Height());
    QVERIFY(CountTealish(Image, TextCell) > 0);
    QCOMPARE(CountColour(Image, Image.rect(), Qt::magenta), 0);
  }

  void onAHighResolutionScreenTheFrameCoversItsLogicalPixel() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Issue("a"));
    const QImage Image = Painted(*Form.DialArgsPaintBox, 2);
    for (const QPoint Device : {QPoint(4, 4), QPoint(5, 5), QPoint(4, 25)})
      QCOMPARE(Image.pixelColor(Device), Teal);
    QCOMPARE(Image.pixelColor(3, 25), QColor(Qt::white));
    QCOMPARE(Image.pixelColor(6, 25), QColor(Qt::white));
  }

  void nothingIsPaintedWhileNoDrawingIsSelected() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Issue("a"));
    Form.ViewLineOfArgumentationSpeedButton->click();
    Form.ViewStepsSpeedButton->click();
    QVERIFY(Form.DialArgsPaintBox->isVisible());
    const QImage Image = Painted(*Form.DialArgsPaintBox);
    QCOMPARE(CountColour(Image, Image.rect(), Qt::white), Image.width() * Image.height());
  }

  void widthFollowsTheScrollArea() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    TDiagramPaintBox& Surface = *Form.DialArgsPaintBox;
    Form.resize(800, Form.height() + 100);
    const int PanelWidth = Form.ButtonPanel->width();
    QCOMPARE(Form.ScrollBox1->width(), 800 - PanelWidth);
    QCOMPARE(Surface.SurfaceWidth(), Form.ScrollBox1->width() - 7);

    // Taller than the scroll area: the vertical scroll bar comes and the diagram is laid out
    // again, narrower.
    MakeManyStatements(Form);
    QVERIFY(Surface.SurfaceHeight() > Form.ScrollBox1->height());
    QCOMPARE(Surface.SurfaceWidth(), Form.ScrollBox1->width() - 20);
    QCOMPARE(Surface.Picture().Width, Surface.width());
    QTRY_VERIFY(Form.ScrollBox1->verticalScrollBar()->isVisible());
    QVERIFY(!Form.ScrollBox1->horizontalScrollBar()->isVisible());

    Form.resize(700, Form.height());
    QCOMPARE(Surface.SurfaceWidth(), 700 - PanelWidth - 20);
    // The resize redrew the diagram at the new width.
    QCOMPARE(Surface.Picture().Width, 700 - PanelWidth - 20);

    // As narrow as the window goes: every box is still drawn, at the scroll area's width.
    Form.resize(1, Form.height());
    QCOMPARE(Form.width(), Form.minimumWidth());
    QVERIFY(Surface.SurfaceHeight() > Form.ScrollBox1->height());
    QCOMPARE(Surface.SurfaceWidth(), Form.ScrollBox1->width() - 20);
  }

  void statementsDrawingOnlyGrowsTheSurfaceAndTheDiagramResetsIt() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    TDiagramPaintBox& Surface = *Form.DialArgsPaintBox;
    MakeManyStatements(Form);
    Form.ViewStatements2SpeedButton->click();
    const int Tall = Surface.SurfaceHeight();
    QVERIFY(Tall > Form.ScrollBox1->height());

    Run.Boxes.Answers = {TAnswer::No};
    Form.New1->trigger();
    QVERIFY(Form.ViewStatements2SpeedButton->Down());
    QCOMPARE(Surface.SurfaceHeight(), Tall);

    Form.ViewDialArgsSpeedButton->click();
    QCOMPARE(Surface.SurfaceHeight(), 0);
    QCOMPARE(Surface.height(), 0);
  }
};

PALAVER_GUI_TEST_MAIN(SurfaceTest)
#include "SurfaceTest.moc"
