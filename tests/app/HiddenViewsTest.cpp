// The hidden views of the main window: the statements and reasons lists, the arguments tree and
// the empty surface of "Steps", shown through their hidden controls, and the refresh that puts
// the visible view button's view back in their place.

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <functional>

#include "GuiTestSupport.h"
#include "ModalDialogSupport.h"
#include "app/DiagramPaintBox.h"
#include "dialogs/AboutForm.h"
#include "views/StatusImages.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

QStringList ItemTexts(const QTreeWidget& List) {
  QStringList Texts;
  for (int I = 0; I < List.topLevelItemCount(); ++I)
    Texts << List.topLevelItem(I)->text(0);
  return Texts;
}

// A node and its children as "text(child,child)".
QString Shape(const QTreeWidgetItem& Node) {
  QString Text = Node.text(0);
  if (Node.childCount() == 0) return Text;
  QStringList Children;
  for (int I = 0; I < Node.childCount(); ++I)
    Children << Shape(*Node.child(I));
  return Text + "(" + Children.join(",") + ")";
}

QImage IconImage(const QTreeWidgetItem& Node) {
  return Node.icon(0)
      .pixmap(StatusImageSize, StatusImageSize)
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

QImage Composed(int Image, int OverlayImage) {
  return StatusImageWithOverlay(Image, OverlayImage).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class HiddenViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void hiddenControlsShowTheCurrentStage() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Issue("c"));
    Form.Core().ReasonConclusionMove(Connection(Assumption("r"), Issue("c")));

    Form.ViewStatementsSpeedButton->click();
    QVERIFY(Form.StatementsListView->isVisible());
    QVERIFY(!Form.DialArgsPaintBox->isVisible());
    QVERIFY(Form.ViewStatementsSpeedButton->Down());
    QCOMPARE(ItemTexts(*Form.StatementsListView), QStringList({"1: c", "2: r"}));

    Form.Reasons1->trigger();
    QVERIFY(Form.ReasonsListView->isVisible());
    QVERIFY(!Form.StatementsListView->isVisible());
    QVERIFY(Form.ViewReasonsSpeedButton->Down());
    QVERIFY(!Form.ViewStatementsSpeedButton->Down());
    QCOMPARE(ItemTexts(*Form.ReasonsListView),
             QStringList({"CONCLUSION:", "1: c", "REASON:", "2: r", "(NO EXCEPTIONS)", ""}));

    // Start-up registered the small marks as overlays, so the nodes show them.
    Form.ViewArgumentsSpeedButton->click();
    QVERIFY(Form.ArgumentsTreeView->isVisible());
    QVERIFY(!Form.ReasonsListView->isVisible());
    QVERIFY(Form.ViewArgumentsSpeedButton->Down());
    QCOMPARE(Form.ArgumentsTreeView->topLevelItemCount(), 1);
    const QTreeWidgetItem& Top = *Form.ArgumentsTreeView->topLevelItem(0);
    QCOMPARE(Shape(Top), QStringLiteral("1: c(2: r)"));
    QCOMPARE(IconImage(Top), Composed(JustifiedPlusImage, SmallIssueMarkImage));
    QCOMPARE(IconImage(*Top.child(0)), Composed(JustifiedPlusImage, SmallAssumptionMarkImage));

    // Through all of it the visible view button stayed down.
    QVERIFY(Form.ViewDialArgsSpeedButton->Down());
  }

  // Whatever brings the refresh (a move, the window's activation, a dialog closing), it shows
  // the visible button's view again and hides the list, the tree or the empty surface.
  void theNextRefreshShowsTheVisibleButtonsViewAgain() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Issue("a"));
    int Moves = 0;

    const struct {
      const char* Name;
      std::function<void()> Select;
      QWidget* View;
    } Visible[] = {
        {"arguments", [&] { Form.ViewDialArgsSpeedButton->click(); }, Form.DialArgsPaintBox},
        {"statements", [&] { Form.ViewStatements2SpeedButton->click(); }, Form.DialArgsPaintBox},
        {"line of arg.", [&] { Form.ViewLineOfArgumentationSpeedButton->click(); },
         Form.LineOfArgumentationRichEdit},
    };
    const struct {
      const char* Name;
      std::function<void()> Show;
      TSpeedButton* Button;
    } Hidden[] = {
        {"statements list", [&] { Form.ViewStatementsSpeedButton->click(); },
         Form.ViewStatementsSpeedButton},
        {"reasons list", [&] { Form.Reasons1->trigger(); }, Form.ViewReasonsSpeedButton},
        {"arguments tree", [&] { Form.ViewArgumentsSpeedButton->click(); },
         Form.ViewArgumentsSpeedButton},
        {"steps", [&] { Form.ViewStepsSpeedButton->click(); }, Form.ViewStepsSpeedButton},
    };
    const struct {
      const char* Name;
      std::function<void()> Refresh;
    } Refreshes[] = {
        {"a move", [&] { Form.Core().StatementMove(Issue("m" + std::to_string(++Moves))); }},
        {"activation", [&] { Form.FormActivate(); }},
        {"a dialog closing",
         [&] {
           WhenOpen<TAboutForm>([](TAboutForm& About) { About.Button1->click(); });
           Form.About1->trigger();
         }},
    };

    for (const auto& V : Visible)
      for (const auto& H : Hidden)
        for (const auto& R : Refreshes) {
          const QByteArray Case = QByteArray(V.Name) + ", " + H.Name + ", " + R.Name;
          V.Select();
          H.Show();
          QVERIFY2(!Form.LineOfArgumentationRichEdit->isVisible(), Case);
          R.Refresh();
          QVERIFY2(V.View->isVisible(), Case);
          for (QWidget* Other : {static_cast<QWidget*>(Form.StatementsListView),
                                 static_cast<QWidget*>(Form.ReasonsListView),
                                 static_cast<QWidget*>(Form.ArgumentsTreeView)})
            QVERIFY2(!Other->isVisible(), Case);
          if (V.View == Form.DialArgsPaintBox)
            QVERIFY2(!Form.DialArgsPaintBox->Picture().Primitives().empty(), Case);
          // The refresh leaves the hidden group alone.
          QVERIFY2(H.Button->Down(), Case);
        }
  }

  void stepsShowsTheSurfaceEmpty() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Issue("a"));
    Form.ViewArgumentsSpeedButton->click();

    Form.ViewStepsSpeedButton->click();
    QVERIFY(Form.DialArgsPaintBox->isVisible());
    QVERIFY(!Form.ArgumentsTreeView->isVisible());
    QVERIFY(!Form.LineOfArgumentationRichEdit->isVisible());
    QVERIFY(Form.ViewStepsSpeedButton->Down());
    QVERIFY(!Form.ViewArgumentsSpeedButton->Down());
    QVERIFY(Form.DialArgsPaintBox->Picture().Primitives().empty());
    QImage Shown(Form.DialArgsPaintBox->size(), QImage::Format_RGB32);
    Shown.fill(Qt::magenta);
    Form.DialArgsPaintBox->render(&Shown);
    QVERIFY(!Shown.isNull());
    for (int Y = 0; Y < Shown.height(); ++Y)
      for (int X = 0; X < Shown.width(); ++X)
        if (Shown.pixel(X, Y) != qRgb(255, 255, 255)) QFAIL("the surface shows a drawing");

    // The next refresh draws the visible button's view on it again.
    Form.FormActivate();
    QVERIFY(!Form.DialArgsPaintBox->Picture().Primitives().empty());
  }

  void button2ComputesAndShowsTheTree() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Issue("p"));
    Form.Button2->click();
    QVERIFY(Form.ArgumentsTreeView->isVisible());
    QVERIFY(Form.ViewArgumentsSpeedButton->Down());
    QCOMPARE(ItemTexts(*Form.ArgumentsTreeView), QStringList({"1: p"}));
    QCOMPARE(IconImage(*Form.ArgumentsTreeView->topLevelItem(0)),
             Composed(UnjustifiedCircleImage, SmallIssueMarkImage));
  }

  void button1LeavesOneMoreLabelBelowThePanelsBoxesEachClick() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    for (int Click = 1; Click <= 3; ++Click) {
      Form.Button1->click();
      const QList<QLabel*> Labels = Form.ButtonPanel->findChildren<QLabel*>();
      QCOMPARE(Labels.size(), Click);
      for (const QLabel* Label : Labels) {
        QCOMPARE(Label->text(), QStringLiteral("Kwaak"));
        QCOMPARE(Label->geometry(), QRect(75, 250, 200, 200));
        QVERIFY(Label->isVisible());
      }
    }
    // Where a label covers the "Line of arg." box, the box's Forward button is what is hit.
    const QPoint OnForward =
        Form.ForwardButton->mapTo(Form.ButtonPanel, QPoint(Form.ForwardButton->width() - 10, 12));
    QVERIFY(OnForward.x() > 75 && OnForward.y() > 250);
    QCOMPARE(Form.ButtonPanel->childAt(OnForward), Form.ForwardButton);
  }
};

PALAVER_GUI_TEST_MAIN(HiddenViewsTest)
#include "HiddenViewsTest.moc"
