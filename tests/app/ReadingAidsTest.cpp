// What the window does to be understood: the legend, the diagram's tooltips, scrolling to the
// change a move made, and a panel that never hides its controls.

#include <QAction>
#include <QGroupBox>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolTip>

#include "GuiTestSupport.h"
#include "app/DiagramPaintBox.h"
#include "app/LegendForm.h"
#include "app/ScrollBox.h"
#include "views/DiagramLegend.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

struct TLoggedRun : TProgramRun {
  explicit TLoggedRun(const char* Language = "English") {
    WriteSettings(std::string("[Options]\r\nLanguage=") + Language + "\r\nLogging=On\r\n");
    Start();
  }
};

QStringList VisibleItems(QMenu* Menu) {
  QStringList Items;
  for (QAction* Item : Menu->actions())
    if (Item->isVisible() && !Item->isSeparator()) Items << Item->text();
  return Items;
}

QStringList ExplanationsShown(const TLegendForm& Legend) {
  QStringList Texts;
  for (const QLabel* Label : Legend.Explanations())
    Texts << Label->text();
  return Texts;
}

QStringList LegendTexts(TLanguage Language) {
  QStringList Texts;
  for (const TLegendEntry& Entry : DiagramLegend(Language))
    Texts << QString::fromStdString(Entry.Explanation);
  return Texts;
}

const TDiagramBox* BoxOf(TArgIntForm& Form, const std::string& Sentence) {
  for (const TDiagramBox& Box : Form.DialArgsPaintBox->Picture().Boxes)
    if (Box.Statement->Sentence == Sentence) return &Box;
  return nullptr;
}

// What the surface shows as its tooltip when the pointer rests on the box of Sentence.
QString ToolTipAt(TArgIntForm& Form, const std::string& Sentence) {
  const TDiagramBox* Box = BoxOf(Form, Sentence);
  if (Box == nullptr) return QStringLiteral("(no box)");
  const QPoint At(Box->Bounds.Left + 4, Box->Bounds.Top + 4);
  QHelpEvent Event(QEvent::ToolTip, At, Form.DialArgsPaintBox->mapToGlobal(At));
  QApplication::sendEvent(Form.DialArgsPaintBox, &Event);
  return QToolTip::text();
}

// The part of the diagram the scroll area shows, in the surface's coordinates.
bool InSight(TArgIntForm& Form, const std::string& Sentence) {
  const TDiagramBox* Box = BoxOf(Form, Sentence);
  const int Top = Form.ScrollBox1->verticalScrollBar()->value();
  const int Height = Form.ScrollBox1->viewport()->height();
  return Box != nullptr && Box->Bounds.Top >= Top && Box->Bounds.Bottom <= Top + Height;
}

int ScrollValue(TArgIntForm& Form) {
  return Form.ScrollBox1->verticalScrollBar()->value();
}

}  // namespace

class ReadingAidsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void legendOpensFromHelpAndFollowsTheLanguage() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    QCOMPARE(VisibleItems(Form.Help1), QStringList({"&Legend...", "&About..."}));

    Form.Legend1->trigger();
    QVERIFY(Form.LegendForm != nullptr);
    TLegendForm& Legend = *Form.LegendForm;
    QVERIFY(Legend.isVisible());
    QVERIFY(!Legend.isModal());
    QCOMPARE(Run.LoggedSinceShow().back(), std::string("Help legend (menu)"));
    QCOMPARE(Legend.windowTitle(), QStringLiteral("Legend"));
    QCOMPARE(Legend.CloseButton->text(), QStringLiteral("Close"));
    QCOMPARE(ExplanationsShown(Legend), LegendTexts(TLanguage::English));
    QVERIFY(Legend.IntroductionLabel->text().startsWith(QStringLiteral("Point at a box")));

    // Each example is painted by the diagram's painter: the justified box in blue, the active
    // exception with its red line.
    QCOMPARE(Legend.Pictures().size(), std::size_t{10});
    const auto Painted = [&](std::size_t Row) {
      TLegendPicture& Picture = *Legend.Pictures()[Row];
      QImage Image(Picture.size(), QImage::Format_RGB32);
      Image.fill(Qt::magenta);
      Picture.render(&Image);
      return Image;
    };
    const auto Count = [](const QImage& Image, QColor Colour) {
      int N = 0;
      for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
          N += Image.pixelColor(X, Y) == Colour;
      return N;
    };
    QVERIFY(Count(Painted(0), QColor(0, 0, 255)) > 20);
    QVERIFY(Count(Painted(6), QColor(255, 0, 0)) > 5);
    QCOMPARE(Count(Painted(9), QColor(255, 0, 0)), 0);

    // A language switch redraws the open legend in the new language.
    Form.SwitchLanguageMenuItem->trigger();
    QCOMPARE(Legend.windowTitle(), QStringLiteral("Legenda"));
    QCOMPARE(Legend.CloseButton->text(), QStringLiteral("Sluiten"));
    QCOMPARE(ExplanationsShown(Legend), LegendTexts(TLanguage::Dutch));
    QCOMPARE(Form.Legend1->text(), QStringLiteral("&Legenda..."));
    QVERIFY(Legend.isVisible());

    // Escape closes it; the menu brings the same window back.
    QTest::keyClick(&Legend, Qt::Key_Escape);
    QVERIFY(!Legend.isVisible());
    QCOMPARE(Run.LoggedSinceShow().back(), std::string("Close legend"));
    Form.Legend1->trigger();
    QCOMPARE(Form.LegendForm, &Legend);
    QVERIFY(Legend.isVisible());
    QCOMPARE(ExplanationsShown(Legend), LegendTexts(TLanguage::Dutch));
    Legend.CloseButton->click();
    QVERIFY(!Legend.isVisible());
  }

  void aDutchStartGivesADutchLegend() {
    TLoggedRun Run("Dutch");
    QCOMPARE(VisibleItems(Run.Form->Help1), QStringList({"&Legenda...", "In&fo..."}));
    Run.Form->Legend1->trigger();
    QCOMPARE(Run.Form->LegendForm->windowTitle(), QStringLiteral("Legenda"));
    QCOMPARE(ExplanationsShown(*Run.Form->LegendForm), LegendTexts(TLanguage::Dutch));
  }

  void boxesTellTheirStatusInTheCurrentLanguage() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Assumption("a"));
    Form.Core().ReasonConclusionMove(Connection(Assumption("a"), Issue("b")));

    const QString English =
        "<qt>Statement 2: issue, justified<br>Justified: supported by 1 &quot;a&quot; "
        "(reason)</qt>";
    QCOMPARE(ToolTipAt(Form, "b"), English);
    QCOMPARE(ToolTipAt(Form, "a"),
             QStringLiteral("<qt>Statement 1: assumption, justified<br>Justified: an assumption "
                            "is taken for granted</qt>"));

    // The statements drawing explains each statement by its own dialectical argument.
    Form.ViewStatements2SpeedButton->click();
    QCOMPARE(ToolTipAt(Form, "b"), English);

    Form.SwitchToDutch();
    QCOMPARE(ToolTipAt(Form, "b"),
             QStringLiteral("<qt>Bewering 2: kwestie, gerechtvaardigd<br>Gerechtvaardigd: "
                            "gesteund door 1 &quot;a&quot; (reden)</qt>"));

    // After Back the tips describe the line as it now is.
    Form.ViewDialArgsSpeedButton->click();
    Form.BackButton->click();
    QVERIFY(BoxOf(Form, "b") == nullptr);
    QCOMPARE(ToolTipAt(Form, "a"),
             QStringLiteral("<qt>Bewering 1: aanname, gerechtvaardigd<br>Gerechtvaardigd: een "
                            "aanname wordt zonder reden aanvaard</qt>"));
  }

  void aMoveBringsWhatItChangedIntoSight() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    for (int I = 0; I < 40; ++I)
      Form.Core().StatementMove(Issue("s" + std::to_string(I)));
    // Each new statement is drawn last, below what the area showed.
    QVERIFY(ScrollValue(Form) > 0);
    QVERIFY(InSight(Form, "s39"));

    // A change already in sight scrolls nothing.
    QScrollBar* Bar = Form.ScrollBox1->verticalScrollBar();
    Bar->setValue(0);
    Run.Boxes.Answers = {TAnswer::Yes};
    Form.Core().StatementMove(Assumption("s1"));
    QCOMPARE(Line().CurrentStage->Statements[1]->StatementType, TStatementType::Assumption);
    QCOMPARE(ScrollValue(Form), 0);

    // A new reason under the last statement: its box comes into sight with its conclusion.
    Form.Core().ReasonConclusionMove(Connection(Assumption("r"), Issue("s39")));
    QVERIFY(InSight(Form, "r"));
    QVERIFY(InSight(Form, "s39"));

    // An exception to that step, from the top again.
    Bar->setValue(0);
    PReasonConclusion C = Connection(Assumption("r"), Issue("s39"));
    C->Exceptions.Add(Issue("x"));
    Form.Core().ExceptionMove(C);
    QVERIFY(InSight(Form, "x"));

    // A move that is refused changes nothing and moves nothing.
    Bar->setValue(0);
    Form.Core().StatementMove(Issue("x"));
    QCOMPARE(ScrollValue(Form), 0);

    // The statements drawing follows its moves too.
    Form.ViewStatements2SpeedButton->click();
    Bar->setValue(0);
    Form.Core().StatementMove(Issue("last"));
    QVERIFY(ScrollValue(Form) > 0);
    QVERIFY(InSight(Form, "last"));
  }

  // Also run on a screen scaled twice (see CMakeLists.txt).
  void theSmallestWindowHoldsThePanelInBothLanguages() {
    for (const char* Language : {"English", "Dutch"}) {
      TLoggedRun Run(Language);
      TArgIntForm& Form = *Run.Form;
      QVERIFY(Form.minimumWidth() <= MainWindowWidth);
      Form.resize(1, 1);
      QCoreApplication::processEvents();
      QCOMPARE(Form.size(), Form.minimumSize());

      const QRect Client(QPoint(0, 0), QPoint(Form.width() - 1, Form.StatusBar1->y() - 1));
      for (QGroupBox* Box : {Form.ArgueGroupBox, Form.ViewGroupBox, Form.LineOfArgGroupBox}) {
        const QRect InForm(Box->mapTo(&Form, QPoint(0, 0)), Box->size());
        QVERIFY2(Client.contains(InForm), qPrintable(Box->objectName() + " in " + Language));
        for (QAbstractButton* Button : Box->findChildren<QAbstractButton*>()) {
          const QString Name = Button->objectName() + " in " + Language;
          QVERIFY2(Box->rect().contains(Button->geometry()), qPrintable(Name));
          // The caption, without its accelerator mark, keeps clear of the 2-pixel frame.
          QString Caption = Button->text();
          Caption.remove(QLatin1Char('&'));
          QVERIFY2(Button->fontMetrics().horizontalAdvance(Caption) + 8 <= Button->width(),
                   qPrintable(Name));
        }
      }
      // The panel's own buttons still work at that size.
      Form.Core().StatementMove(Issue("a"));
      QVERIFY(Form.BackButton->isEnabled());
      Form.BackButton->click();
      QVERIFY(Form.ForwardButton->isEnabled());
      Form.ForwardButton->click();
      QCOMPARE(StageStatements(), TLines({"?a"}));
    }
  }
};

PALAVER_GUI_TEST_MAIN(ReadingAidsTest)
#include "ReadingAidsTest.moc"
