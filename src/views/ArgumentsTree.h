#pragma once

#include <QtCore/qnamespace.h>
#include <cstdint>
#include <string>

#include "model/Argument.h"
#include "model/Statement.h"
#include "session/Language.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace palaver {

class TArgumentationStage;
class TStatusIconsImageList;

// The arguments tree: one node per node of each argument of the stage, labelled with the
// statement's number and sentence, showing the statement's status image with its type laid
// over it. The tree holds texts and image numbers only and is refilled each time it is shown.
//
// Which image and which overlay a node shows is kept on the item under these roles, as ints;
// the icon is composed from them by the status image list.
enum TArgumentNodeRole : int {
  NodeImageRole = Qt::UserRole,
  NodeSelectedImageRole,
  NodeOverlayRole,
};

// The most nodes the tree holds. Its arguments share their parts, so written out in full they can
// be far larger than anything a tree control shows in reasonable time.
inline constexpr std::uint64_t TreeNodeLimit = 50'000;

// The last node of a tree that stops at the limit: "… 1,234 more nodes not shown".
std::string MoreNodesText(TLanguage Language, std::uint64_t More);

// The tree's look: read-only, indent 19, 16 x 16 icons, not a tab stop.
void SetUpArgumentsTree(QTreeWidget& Tree);

// The Id of the stage's statement whose sentence equals S's sentence exactly; "?" when the
// stage has none.
std::string StatementLabel(const TArgumentationStage& Stage, const TStatement& S);

// The node settings of a statement: its status image and the overlay for its type.
int NodeImage(TJustificationStatus Status);
int NodeOverlay(TStatementType Type);

// The arguments the tree shows. NotCoordinated asks for arguments that are not coordinated;
// see the definition for what that gives.
const TArguments& TreeArguments(const TArgumentationStage& Stage, bool NotCoordinated);

// Appends the node for A, as the last top-level node when Parent is null and as the last child
// of Parent otherwise, and below it the nodes of A's sub-arguments in order. Returns the node.
QTreeWidgetItem* AddArgumentNode(QTreeWidget& Tree, const TStatusIconsImageList& Images,
                                 const TArgumentationStage& Stage, const TArgument& A,
                                 QTreeWidgetItem* Parent);

// Empties the tree, adds a node for every argument of TreeArguments in order, and expands
// every node. A null stage leaves the tree empty. After Limit nodes the tree stops with a last
// top-level node that says, in the current language, how many it leaves out.
void FillArgumentsTree(QTreeWidget& Tree, const TStatusIconsImageList& Images,
                       const TArgumentationStage* Stage, bool NotCoordinated,
                       std::uint64_t Limit = TreeNodeLimit);

}  // namespace palaver
