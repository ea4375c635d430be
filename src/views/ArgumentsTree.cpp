#include "views/ArgumentsTree.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>

#include "model/ArgumentationStage.h"
#include "views/QtText.h"
#include "views/StatusIconsImageList.h"
#include "views/StatusImages.h"

namespace palaver {

void SetUpArgumentsTree(QTreeWidget& Tree) {
  Tree.setColumnCount(1);
  Tree.setHeaderHidden(true);
  Tree.setIndentation(19);
  Tree.setIconSize({StatusImageSize, StatusImageSize});
  Tree.setEditTriggers(QAbstractItemView::NoEditTriggers);
  // A click still selects a node; only Tab passes the tree by.
  Tree.setFocusPolicy(Qt::ClickFocus);
}

std::string StatementLabel(const TArgumentationStage& Stage, const TStatement& S) {
  // A stage holds each sentence once, so the first match is the only one.
  for (const PStatement& Each : Stage.Statements)
    if (Each->Sentence == S.Sentence) return Each->Id;
  return "?";
}

int NodeImage(TJustificationStatus Status) {
  return Status == TJustificationStatus::Justified ? JustifiedPlusImage : UnjustifiedCircleImage;
}

int NodeOverlay(TStatementType Type) {
  return Type == TStatementType::Assumption ? AssumptionOverlay : IssueOverlay;
}

const TArguments& TreeArguments(const TArgumentationStage& Stage, bool NotCoordinated) {
  // Arguments that are not coordinated would come from a list of their own, which the model
  // does not build. Rather than show nothing, which would look as if the stage had no
  // arguments, the tree then shows the stage's arguments as they are.
  static_cast<void>(NotCoordinated);
  return Stage.Arguments;
}

QTreeWidgetItem* AddArgumentNode(QTreeWidget& Tree, const TStatusIconsImageList& Images,
                                 const TArgumentationStage& Stage, const TArgument& A,
                                 QTreeWidgetItem* Parent) {
  const TStatement& Conclusion = *A.Conclusion;
  const QString Text = ToQString(StatementLabel(Stage, Conclusion) + ": " + Conclusion.Sentence);
  auto* Node = Parent != nullptr ? new QTreeWidgetItem(Parent, QStringList{Text})
                                 : new QTreeWidgetItem(&Tree, QStringList{Text});
  const int Image = NodeImage(Conclusion.JustificationStatus);
  const int Overlay = NodeOverlay(Conclusion.StatementType);
  Node->setData(0, NodeImageRole, Image);
  Node->setData(0, NodeSelectedImageRole, Image);
  Node->setData(0, NodeOverlayRole, Overlay);
  Node->setIcon(0, Images.NodeIcon(Image, Overlay));
  for (const PArgument& Sub : A.InitialArguments)
    AddArgumentNode(Tree, Images, Stage, *Sub, Node);
  return Node;
}

void FillArgumentsTree(QTreeWidget& Tree, const TStatusIconsImageList& Images,
                       const TArgumentationStage* Stage, bool NotCoordinated) {
  Tree.clear();
  if (Stage != nullptr)
    for (const PArgument& A : TreeArguments(*Stage, NotCoordinated))
      AddArgumentNode(Tree, Images, *Stage, *A, nullptr);
  Tree.expandAll();
}

}  // namespace palaver
