// Getting around a drawing larger than the window: zoom with the keys and the wheel, find a
// statement below the fold, and a file named when the program starts.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>

#include "DrawingOutTestSupport.h"
#include "app/DiagramPaintBox.h"
#include "app/FindBar.h"
#include "app/LegendForm.h"
#include "app/ScrollBox.h"
#include "views/DiagramLegend.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

// What the surface paints, in the screen's device pixels (twice the logical ones on a screen
// scaled twice).
QImage Painted(TArgIntForm& Form) {
  return Form.DialArgsPaintBox->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour of the first device pixel of logical pixel (X, Y): a line one logical pixel wide
// always covers it, even where the drawing is shrunk to lines one device pixel wide.
QColor PixelAt(const QImage& Image, int X, int Y) {
  const qreal Ratio = Image.devicePixelRatio();
  return QColor(Image.pixel(static_cast<int>(X * Ratio), static_cast<int>(Y * Ratio)));
}

int TallestBox(TArgIntForm& Form) {
  int Tallest = 0;
  for (const TDiagramBox& Box : Form.DialArgsPaintBox->Picture().Boxes)
    Tallest = std::max(Tallest, Box.Bounds.Height());
  return Tallest;
}

QRect FirstBoxOnScreen(TArgIntForm& Form) {
  return Form.DialArgsPaintBox->ScreenRect(Form.DialArgsPaintBox->Picture().Boxes.front().Bounds);
}

std::string FoundSentence(TArgIntForm& Form) {
  const int Index = Form.FoundBox();
  if (Index < 0) return "(none)";
  return Form.DialArgsPaintBox->Picture()
      .Boxes[static_cast<std::size_t>(Index)]
      .Statement->Sentence;
}

// Whether the box the find is at lies in the part of the view the find bar leaves free.
bool FoundBoxInSight(TArgIntForm& Form) {
  const int Index = Form.FoundBox();
  if (Index < 0) return false;
  const QRect Box = Form.DialArgsPaintBox->ScreenRect(
      Form.DialArgsPaintBox->Picture().Boxes[static_cast<std::size_t>(Index)].Bounds);
  const int Top = Form.ScrollBox1->verticalScrollBar()->value() + Form.FindBar->height();
  const int Bottom =
      Form.ScrollBox1->verticalScrollBar()->value() + Form.ScrollBox1->viewport()->height();
  return Box.top() >= Top && Box.bottom() < Bottom;
}

}  // namespace

class NavigationTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void zoomLaysTheDrawingOutForTheWidthAndNormalSizeIsTodaysPicture() {
    TDrawingRun Run;
    TArgIntForm& Form = Run.Window();
    Form.Core().StatementMove(Issue("A short issue"));
    Form.Core().StatementMove(
        Assumption(std::string(40, 'x') + " and a sentence of two lines at the window's width"));
    const QImage Today = Painted(Form);
    const QRect First = FirstBoxOnScreen(Form);
    const int LongBoxHeight = TallestBox(Form);
    QVERIFY(LongBoxHeight > 22);
    const int Width = Form.DialArgsPaintBox->SurfaceWidth();
    QCOMPARE(Form.Zoom(), 100);
    QCOMPARE(Form.DialArgsPaintBox->LayoutWidth(), Width);

    // Ctrl+Plus twice: 125 %, the first box visibly wider, the surface as wide as before.
    QTest::keyClick(&Form, Qt::Key_Plus, Qt::ControlModifier);
    QTest::keyClick(&Form, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(Form.Zoom(), 125);
    QVERIFY(FirstBoxOnScreen(Form).width() >= First.width() * 5 / 4 - 2);
    QCOMPARE(Form.DialArgsPaintBox->SurfaceWidth(), Width);

    // 200 % and 50 %: laid out for the width the surface has at that zoom, drawn at its scale.
    for (const int Percent : {200, 50}) {
      Form.SetZoom(Percent);
      QCOMPARE(Form.Zoom(), Percent);
      QCOMPARE(Form.DialArgsPaintBox->LayoutWidth(), Width * 100 / Percent);
      const QRect Box = FirstBoxOnScreen(Form);
      QVERIFY2(std::abs(Box.width() - First.width() * Percent / 100) <= 2,
               qPrintable(QString::number(Box.width())));
      QVERIFY(std::abs(Box.height() - First.height() * Percent / 100) <= 2);
      const QImage Zoomed = Painted(Form);
      // Drawn at that scale: the frame's colour is where the scaled frame is.
      QCOMPARE(PixelAt(Zoomed, Box.left(), Box.center().y()), QColor(0, 128, 128));
    }
    // The wider layout at 50 % puts the long sentence on fewer lines than at 100 %.
    QCOMPARE(TallestBox(Form), 22);

    // Ctrl+0 gives back today's drawing, pixel for pixel.
    QTest::keyClick(&Form, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(Form.Zoom(), 100);
    QCOMPARE(Painted(Form), Today);

    // The steps end at 25 % and 400 %.
    for (int I = 0; I < 20; ++I)
      Form.ZoomOut1->trigger();
    QCOMPARE(Form.Zoom(), 25);
    for (int I = 0; I < 20; ++I)
      Form.ZoomIn1->trigger();
    QCOMPARE(Form.Zoom(), 400);
    const TLines Logged = Run.LoggedSinceShow();
    QCOMPARE(std::count(Logged.begin(), Logged.end(), std::string("Zoom in (menu)")), 22L);
    QCOMPARE(std::count(Logged.begin(), Logged.end(), std::string("Zoom normal size (menu)")), 1L);
  }

  void ctrlWheelZoomsKeepingThePointUnderTheMouse() {
    TDrawingRun Run;
    TArgIntForm& Form = Run.Window();
    MakeTallLine(Form, 60);
    QScrollBar* Bar = Form.ScrollBox1->verticalScrollBar();
    Bar->setValue(Bar->maximum() / 2);
    const QPoint Mouse(60, 100);
    const QPoint Picture = Form.DialArgsPaintBox->PicturePoint(Mouse + QPoint(0, Bar->value()));
    const TDiagramBox* Under = Form.DialArgsPaintBox->Picture().BoxAt(Picture.x(), Picture.y());
    QVERIFY(Under != nullptr);
    const std::string Sentence = Under->Statement->Sentence;

    QWidget* Viewport = Form.ScrollBox1->viewport();
    QWheelEvent Wheel(QPointF(Mouse), QPointF(Viewport->mapToGlobal(Mouse)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Viewport, &Wheel);
    QCOMPARE(Form.Zoom(), 110);
    const QPoint After = Form.DialArgsPaintBox->PicturePoint(Mouse + QPoint(0, Bar->value()));
    const TDiagramBox* Now = Form.DialArgsPaintBox->Picture().BoxAt(After.x(), After.y());
    QVERIFY(Now != nullptr);
    QCOMPARE(Now->Statement->Sentence, Sentence);
    QCOMPARE(Run.LoggedSinceShow().back(), std::string("Zoom in (wheel)"));

    // Without Ctrl the wheel scrolls, as ever.
    const int Before = Bar->value();
    QWheelEvent Scroll(QPointF(Mouse), QPointF(Viewport->mapToGlobal(Mouse)), QPoint(),
                       QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Viewport, &Scroll);
    QCOMPARE(Form.Zoom(), 110);
    QVERIFY(Bar->value() > Before);
  }

  void findGoesToAStatementBelowTheFoldAndMarksIt() {
    TDrawingRun Run;
    TArgIntForm& Form = Run.Window();
    MakeTallLine(Form, 60);
    // Each move scrolled to its box: back to the top, where the statement looked for is out of
    // sight.
    QScrollBar* Bar = Form.ScrollBox1->verticalScrollBar();
    Bar->setValue(0);

    QTest::keyClick(&Form, Qt::Key_F, Qt::ControlModifier);
    QVERIFY(Form.FindBar->isVisible());
    QVERIFY(Form.FindBar->FindEdit->hasFocus());
    // Accents and case do not matter; the first box found is the one of statement 47.
    QTest::keyClicks(Form.FindBar->FindEdit, QStringLiteral("NÚMBER 47"));
    QCOMPARE(FoundSentence(Form), TallSentence(47));
    QVERIFY(Bar->value() > 0);
    QVERIFY(FoundBoxInSight(Form));
    QCOMPARE(Form.FindBar->ResultLabel->text(), QStringLiteral("1 of 1"));

    // Several found: Enter and F3 go on, Shift+F3 goes back, round the ends.
    Form.FindBar->FindEdit->setText(QStringLiteral("number 5"));
    QCOMPARE(Form.DialArgsPaintBox->MarkedBoxes().size(), std::size_t{11});
    QCOMPARE(FoundSentence(Form), TallSentence(5));
    QTest::keyClick(Form.FindBar->FindEdit, Qt::Key_Return);
    QCOMPARE(FoundSentence(Form), TallSentence(50));
    QVERIFY(FoundBoxInSight(Form));
    QTest::keyClick(Form.FindBar->FindEdit, Qt::Key_F3);
    QCOMPARE(FoundSentence(Form), TallSentence(51));
    QTest::keyClick(Form.FindBar->FindEdit, Qt::Key_F3, Qt::ShiftModifier);
    QTest::keyClick(Form.FindBar->FindEdit, Qt::Key_F3, Qt::ShiftModifier);
    QTest::keyClick(Form.FindBar->FindEdit, Qt::Key_F3, Qt::ShiftModifier);
    QCOMPARE(FoundSentence(Form), TallSentence(59));
    QCOMPARE(Form.FindBar->ResultLabel->text(), QStringLiteral("11 of 11"));

    // The ring is painted around the box found.
    const QImage Image = Painted(Form);
    const QRect Box = Form.DialArgsPaintBox->ScreenRect(
        Form.DialArgsPaintBox->Picture().Boxes[static_cast<std::size_t>(Form.FoundBox())].Bounds);
    QCOMPARE(PixelAt(Image, Box.left() - 2, Box.center().y()), QColor(255, 102, 0));

    Form.FindBar->FindEdit->setText(QStringLiteral("rechtbank"));
    QCOMPARE(Form.FindBar->ResultLabel->text(),
             QStringLiteral("No statement contains \u201crechtbank\u201d"));
    QCOMPARE(Form.FoundBox(), -1);

    QTest::keyClick(Form.FindBar->FindEdit, Qt::Key_Escape);
    QVERIFY(!Form.FindBar->isVisible());
    QVERIFY(Form.DialArgsPaintBox->MarkedBoxes().empty());
    const TLines Logged = Run.LoggedSinceShow();
    QCOMPARE(std::count(Logged.begin(), Logged.end(), std::string("Find (menu)")), 1L);
    QCOMPARE(std::count(Logged.begin(), Logged.end(), std::string("Find next: number 5")), 2L);
    QCOMPARE(Logged.back(), std::string("Close find"));
  }

  void findFromTheLineOfArgumentationGoesToTheDiagramInDutch() {
    TDrawingRun Run("Language=Dutch\r\n");
    TArgIntForm& Form = Run.Window();
    MakeTallLine(Form, 3);
    Form.ViewLineOfArgumentationSpeedButton->click();
    Form.Find1->trigger();
    QCOMPARE(Form.ViewButtonDown(), TViewButton::Arguments);
    QCOMPARE(Form.Find1->text(), QStringLiteral("&Zoeken..."));
    Form.FindBar->FindEdit->setText(QStringLiteral("nergens"));
    QCOMPARE(Form.FindBar->ResultLabel->text(),
             QStringLiteral("Geen bewering bevat \u201cnergens\u201d"));
    Form.FindBar->FindEdit->setText(QStringLiteral("tall"));
    QCOMPARE(Form.FindBar->ResultLabel->text(), QStringLiteral("1 van 3"));
    // The legend tells how to zoom and find.
    Form.Legend1->trigger();
    QVERIFY(Form.LegendForm != nullptr);
    QCOMPARE(Form.LegendForm->NavigationLabel->text(),
             QString::fromStdString(LegendNavigation(TLanguage::Dutch)));
    QVERIFY(Form.LegendForm->NavigationLabel->text().contains(QStringLiteral("Ctrl+F zoekt")));
    Form.LegendForm->close();
  }

  void aFileNamedAtStartUpOpensAsOpenDoes() {
    TTemporaryDirectory Files;
    const std::string Path = Files.File("dispute.lin");
    WriteBytes(Path, ReadBytes(DataFile("transcript-worked-example.lin")));
    TDrawingRun Run("", Path);
    QTRY_COMPARE(Run.Window().Title(), std::string("Palaver - dispute.lin"));
    QCOMPARE(Line().FileName, Path);
    QCOMPARE(StageStatements(), (TLines{"?<statement>", "?<conclusion>", "!<reason>"}));
    QVERIFY(!Line().Changed);
    QCOMPARE(Run.LoggedSinceShow().back(), "Open file: " + Path);
  }

  void anUnreadableFileNamedAtStartUpLeavesAnEmptyLine() {
    TTemporaryDirectory Files;
    const std::string Missing = Files.File("gone.lin");
    TDrawingRun Run("", Missing);
    QTRY_COMPARE(Run.Boxes.Shown.size(), std::size_t{1});
    QCOMPARE(Run.Boxes.Shown[0].Kind, TScriptedMessageBoxes::TKind::Error);
    QCOMPARE(Run.Boxes.Shown[0].Text, "Cannot open file " + Missing);
    QCOMPARE(Run.Window().Title(), std::string("Palaver - New line of argumentation"));
    QVERIFY(StageStatements().empty());
  }

  void theRestoreQuestionComesBeforeTheFileNamedAtStartUp() {
    TTemporaryDirectory Files;
    const std::string Path = Files.File("dispute.lin");
    WriteBytes(Path, ReadBytes(DataFile("transcript-worked-example.lin")));
    // A line left unsaved by a program that is gone: restored, then kept, since the question
    // about its changes that opening the file asks is cancelled.
    TProgramRun Run;
    WriteBytes(Run.Dir.File("PalaverRecovery0.txt"),
               "PALAVER RECOVERY\r\nFileName: New.lin\r\n\r\nSTATEMENT\r\n  ?: restored\r\n\r\n");
    Run.Boxes.Answers = {TAnswer::Yes, TAnswer::Cancel};
    Run.Form = std::make_unique<TArgIntForm>(
        Run.Dir.Path(), TArgIntFormServices{&Run.Boxes, &Run.Dialogs, &Run.Clock});
    Run.Form->SetStartupFile(Path);
    Run.Form->show();
    QTRY_COMPARE(Run.Boxes.Shown.size(), std::size_t{2});
    QCOMPARE(Run.Boxes.Shown[0].Kind, TScriptedMessageBoxes::TKind::Confirmation);
    QCOMPARE(Run.Boxes.Shown[1].Kind, TScriptedMessageBoxes::TKind::WarningYesNoCancel);
    QCOMPARE(StageStatements(), TLines{"?restored"});
    QCOMPARE(Run.Form->Title(), std::string("Palaver - New line of argumentation"));
  }
};

PALAVER_GUI_TEST_MAIN(NavigationTest)
#include "NavigationTest.moc"
