// The arguments tree: node texts, the image and overlay of every node, and the composed icons.

#include <QTest>

#include "ListViewsTestSuites.h"
#include "model/StageBuilder.h"
#include "session/ProgramState.h"
#include "views/ArgumentsTree.h"
#include "views/StatusIconsImageList.h"
#include "views/StatusImages.h"

namespace palaver::test {

namespace {

// A node and everything below it as "text(child,child)".
QString Shape(const QTreeWidgetItem& Node) {
  QString Text = Node.text(0);
  if (Node.childCount() == 0) return Text;
  QStringList Children;
  for (int I = 0; I < Node.childCount(); ++I)
    Children << Shape(*Node.child(I));
  return Text + "(" + Children.join(",") + ")";
}

QStringList Shapes(const QTreeWidget& Tree) {
  QStringList Result;
  for (int I = 0; I < Tree.topLevelItemCount(); ++I)
    Result << Shape(*Tree.topLevelItem(I));
  return Result;
}

// The image and overlay a node is set to, as "image/overlay".
QString Signs(const QTreeWidgetItem& Node) {
  return QStringLiteral("%1/%2")
      .arg(Node.data(0, NodeImageRole).toInt())
      .arg(Node.data(0, NodeOverlayRole).toInt());
}

QImage Pixels(const QIcon& Icon, QIcon::Mode Mode = QIcon::Normal) {
  return Icon.pixmap(StatusImageSize, StatusImageSize, Mode)
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

QImage Rgb(const QImage& Image) {
  return Image.convertToFormat(QImage::Format_RGB32);
}

bool AllExpanded(const QTreeWidgetItem& Node) {
  if (Node.childCount() > 0 && !Node.isExpanded()) return false;
  for (int I = 0; I < Node.childCount(); ++I)
    if (!AllExpanded(*Node.child(I))) return false;
  return true;
}

}  // namespace

class ArgumentsTreeTest : public QObject {
  Q_OBJECT

 private:
  QTreeWidget Tree;
  TStatusIconsImageList Images;

  void Fill(const TStageBuilder& B, bool NotCoordinated = false) {
    FillArgumentsTree(Tree, Images, B.Stage.get(), NotCoordinated);
  }

 private slots:
  void initTestCase() {
    SetUpArgumentsTree(Tree);
    Images.Overlay(SmallAssumptionMarkImage, AssumptionOverlay);
    Images.Overlay(SmallIssueMarkImage, IssueOverlay);
  }
  void cleanup() { ResetProgramState(); }

  void anEmptyStageGivesAnEmptyTree() {
    Tree.addTopLevelItem(new QTreeWidgetItem(QStringList{"left over"}));
    Fill(TStageBuilder());
    QCOMPARE(Tree.topLevelItemCount(), 0);
    FillArgumentsTree(Tree, Images, nullptr, false);
    QCOMPARE(Tree.topLevelItemCount(), 0);
  }

  void anIssueAloneIsAGreyCircleWithASmallQuestionMark() {
    TStageBuilder B;
    B.Issue("p");
    Fill(B);
    QCOMPARE(Shapes(Tree), QStringList({"1: p"}));
    const QTreeWidgetItem& Node = *Tree.topLevelItem(0);
    QCOMPARE(Signs(Node), QStringLiteral("4/1"));
    QCOMPARE(Node.data(0, NodeSelectedImageRole).toInt(), UnjustifiedCircleImage);
    QCOMPARE(Pixels(Node.icon(0)), Rgb(StatusImageWithOverlay(4, 7)));
    // Selecting the node does not change its look.
    QCOMPARE(Pixels(Node.icon(0), QIcon::Selected), Pixels(Node.icon(0)));
  }

  void aReasonMakesBothEndsJustified() {
    TStageBuilder B;
    B.Issue("p");
    PReasonConclusion C = B.Connection("q", "p");
    C->Reason->StatementType = TStatementType::Assumption;
    B.Stage = B.Stage->DoReasonConclusionMove(C);
    Fill(B);

    QCOMPARE(Shapes(Tree), QStringList({"1: p(2: q)"}));
    const QTreeWidgetItem& P = *Tree.topLevelItem(0);
    const QTreeWidgetItem& Q = *P.child(0);
    QCOMPARE(Signs(P), QStringLiteral("3/1"));
    QCOMPARE(Signs(Q), QStringLiteral("3/0"));
    QCOMPARE(Pixels(Q.icon(0)), Rgb(StatusImageWithOverlay(JustifiedPlusImage, 6)));
    QVERIFY(AllExpanded(P));
  }

  void aSentenceIsShownAtEveryOccurrenceWithItsSubtree() {
    TStageBuilder B;
    B.Issue("b").Issue("c").Connect("a", "b").Connect("a", "c").Connect("d", "a");
    Fill(B);
    QCOMPARE(Shapes(Tree), QStringList({"1: b(3: a(4: d))", "2: c(3: a(4: d))"}));
    for (int I = 0; I < Tree.topLevelItemCount(); ++I)
      QVERIFY(AllExpanded(*Tree.topLevelItem(I)));
  }

  void aCycleEndsWithItsFirstStatementAsALeaf() {
    TStageBuilder B;
    B.Issue("a").Issue("b").Connect("a", "b").Connect("b", "a");
    Fill(B);
    QCOMPARE(Shapes(Tree), QStringList({"1: a(2: b(1: a))"}));
  }

  // Labels come from the stage's statement with the same sentence, not from the node's own
  // object; a sentence the stage lacks is labelled "?".
  void labelsAreLookedUpBySentence() {
    TStageBuilder B;
    B.Issue("x").Issue("y");
    TStatement SameSentence("y", TStatementType::Issue);
    SameSentence.Id = "99";
    QCOMPARE(StatementLabel(*B.Stage, SameSentence), std::string("2"));
    QCOMPARE(StatementLabel(*B.Stage, TStatement("Y", TStatementType::Issue)), std::string("?"));

    auto Stray = std::make_shared<TArgument>(NewStatement("stray", TStatementType::Assumption));
    Tree.clear();
    AddArgumentNode(Tree, Images, *B.Stage, *Stray, nullptr);
    QTreeWidgetItem* Parent = Tree.topLevelItem(0);
    AddArgumentNode(Tree, Images, *B.Stage, TArgument(B.Get("x")), Parent);
    AddArgumentNode(Tree, Images, *B.Stage, TArgument(B.Get("y")), Parent);
    QCOMPARE(Shapes(Tree), QStringList({"?: stray(1: x,2: y)"}));
  }

  // The model builds no list of arguments that are not coordinated: the tree then shows the
  // stage's arguments all the same.
  void notCoordinatedShowsTheSameArguments() {
    TStageBuilder B;
    B.Issue("p").Connect("q", "p").Issue("r");
    Fill(B, false);
    const QStringList Coordinated = Shapes(Tree);
    Fill(B, true);
    QCOMPARE(Shapes(Tree), Coordinated);
    QCOMPARE(Coordinated, QStringList({"1: p(2: q)", "3: r"}));
  }

  // Arguments share their parts; the tree stops at its limit with a last node saying how many
  // nodes it leaves out, in the current language.
  void aTreeStopsAtItsLimitWithANote() {
    TStageBuilder B;
    B.Connect("a", "b").Connect("b", "c").Connect("c", "d").Issue("e");
    FillArgumentsTree(Tree, Images, B.Stage.get(), false, 3);
    QCOMPARE(Tree.topLevelItemCount(), 2);
    int Nodes = 0;
    for (QTreeWidgetItem* Item = Tree.topLevelItem(0); Item != nullptr;
         Item = Item->childCount() > 0 ? Item->child(0) : nullptr)
      ++Nodes;
    QCOMPARE(Nodes, 3);
    QCOMPARE(Tree.topLevelItem(1)->text(0), QString::fromUtf8("\u2026 2 more nodes not shown"));
    State().Language = TLanguage::Dutch;
    FillArgumentsTree(Tree, Images, B.Stage.get(), false, 4);
    QCOMPARE(Tree.topLevelItem(1)->text(0), QString::fromUtf8("\u2026 nog 1 knoop niet getoond"));
    FillArgumentsTree(Tree, Images, B.Stage.get(), false, 5);
    QCOMPARE(Shapes(Tree).size(), 2);
    QVERIFY(!Shapes(Tree).back().contains(QString::fromUtf8("\u2026")));
  }

  void withoutRegisteredOverlaysANodeShowsItsImageAlone() {
    TStatusIconsImageList Plain;
    QCOMPARE(Plain.OverlayImageIndex(IssueOverlay), -1);
    QCOMPARE(Images.OverlayImageIndex(IssueOverlay), int(SmallIssueMarkImage));
    QCOMPARE(Pixels(Plain.NodeIcon(JustifiedPlusImage, IssueOverlay)),
             Rgb(StatusImage(JustifiedPlusImage)));
  }
};

std::unique_ptr<QObject> MakeArgumentsTreeTest() {
  return std::make_unique<ArgumentsTreeTest>();
}

}  // namespace palaver::test

#include "ArgumentsTreeTest.moc"
