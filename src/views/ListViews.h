#pragma once

#include <string>

#include "model/Statement.h"

class QTreeWidget;

namespace palaver {

class TArgumentationStage;

// The statements list and the reasons list: single-column lists in report style, without
// column headers, whose column is as wide as the longest item. They hold texts only and are
// refilled from the stage each time they are shown; a null stage gives an empty list.

// The text a statement has in both lists: its Id, ": " and its sentence.
std::string StatementItemText(const TStatement& S);

// The statements list's look: the one column "Sentence", items editable in place. Nothing ever
// reads an edited text back; the next filling replaces it.
void SetUpStatementsList(QTreeWidget& List);
// The reasons list's look: one column, read-only.
void SetUpReasonsList(QTreeWidget& List);

// Every statement of the stage, in the order in which the statements entered it.
void FillStatementsList(QTreeWidget& List, const TArgumentationStage* Stage);
// Every connection of the stage, in order: "CONCLUSION:", the conclusion, "REASON:", the
// reason, then "(NO EXCEPTIONS)" or "EXCEPTIONS:" followed by the exceptions in the order they
// were added, and an empty item as a separator.
void FillReasonsList(QTreeWidget& List, const TArgumentationStage* Stage);

}  // namespace palaver
