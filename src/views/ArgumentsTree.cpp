#include "views/ArgumentsTree.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <utility>
#include <vector>

#include "model/ArgumentationStage.h"
#include "model/ExpandedSize.h"
#include "model/GroupedDigits.h"
#include "session/ProgramState.h"
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

std::string MoreNodesText(TLanguage Language, std::uint64_t More) {
  const std::string Digits = GroupedDigits(More, Language);
  if (Language == TLanguage::Dutch)
    return "\u2026 nog " + Digits + (More == 1 ? " knoop" : " knopen") + " niet getoond";
  return "\u2026 " + Digits + (More == 1 ? " more node" : " more nodes") + " not shown";
}

std::string StatementLabel(const TArgumentationStage& Stage, const TStatement& S) {
  // A stage holds each sentence once, so the first match is the only one.
  PStatement Each;
  return Stage.SentenceIsStatementSentence(S.Sentence, Each) ? Each->Id : "?";
}

namespace {

// The node for A alone, as the last child of Parent (or at the top level).
QTreeWidgetItem* AddNode(QTreeWidget& Tree, const TStatusIconsImageList& Images,
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
  return Node;
}

}  // namespace

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

// Depth first with a stack of its own, children in order: arguments can be deep.
namespace {

std::uint64_t AddNodes(QTreeWidget& Tree, const TStatusIconsImageList& Images,
                       const TArgumentationStage& Stage, const TArgument& A,
                       QTreeWidgetItem* Parent, std::uint64_t Budget,
                       QTreeWidgetItem** First = nullptr) {
  std::uint64_t Added = 0;
  std::vector<std::pair<const TArgument*, QTreeWidgetItem*>> Stack{{&A, Parent}};
  while (!Stack.empty() && Added < Budget) {
    const auto [Next, Under] = Stack.back();
    Stack.pop_back();
    QTreeWidgetItem* Node = AddNode(Tree, Images, Stage, *Next, Under);
    if (Added++ == 0 && First != nullptr) *First = Node;
    const TArguments& Subs = Next->InitialArguments;
    for (int I = Subs.Count(); I-- > 0;)
      if (Subs[I]) Stack.emplace_back(Subs[I].get(), Node);
  }
  return Added;
}

}  // namespace

QTreeWidgetItem* AddArgumentNode(QTreeWidget& Tree, const TStatusIconsImageList& Images,
                                 const TArgumentationStage& Stage, const TArgument& A,
                                 QTreeWidgetItem* Parent) {
  QTreeWidgetItem* Node = nullptr;
  AddNodes(Tree, Images, Stage, A, Parent, TExpandedSizes::Most, &Node);
  return Node;
}

void FillArgumentsTree(QTreeWidget& Tree, const TStatusIconsImageList& Images,
                       const TArgumentationStage* Stage, bool NotCoordinated, std::uint64_t Limit) {
  Tree.clear();
  if (Stage != nullptr) {
    const TArguments& Arguments = TreeArguments(*Stage, NotCoordinated);
    // Counted on the shared arguments before any node is made.
    TExpandedSizes Sizes;
    std::uint64_t Total = 0;
    for (const PArgument& A : Arguments)
      if (A) Total = AddSizes(Total, Sizes.Of(*A));
    std::uint64_t Added = 0;
    for (const PArgument& A : Arguments)
      if (A && Added < Limit) Added += AddNodes(Tree, Images, *Stage, *A, nullptr, Limit - Added);
    if (Added < Total)
      new QTreeWidgetItem(&Tree,
                          QStringList{ToQString(MoreNodesText(State().Language, Total - Added))});
  }
  Tree.expandAll();
}

}  // namespace palaver
