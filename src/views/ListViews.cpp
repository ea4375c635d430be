#include "views/ListViews.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QTreeWidgetItem>

#include "model/ArgumentationStage.h"
#include "views/QtText.h"

namespace palaver {

namespace {

void SetUpReportList(QTreeWidget& List) {
  List.setColumnCount(1);
  List.setRootIsDecorated(false);
  List.setHeaderHidden(true);
  // The column follows its longest item, not the width of the list; every item counts, not
  // only the ones in sight.
  List.header()->setStretchLastSection(false);
  List.header()->setResizeContentsPrecision(-1);
}

// The items of one filling, added to the list in one go.
class TItems {
 public:
  TItems() = default;
  TItems(const TItems&) = delete;
  TItems& operator=(const TItems&) = delete;
  ~TItems() { qDeleteAll(Items); }

  void Add(const std::string& Text, bool Editable = false) {
    auto* Item = new QTreeWidgetItem(QStringList{ToQString(Text)});
    if (Editable) Item->setFlags(Item->flags() | Qt::ItemIsEditable);
    Items.push_back(Item);
  }
  void FillList(QTreeWidget& List) {
    List.clear();
    List.addTopLevelItems(Items);
    Items.clear();
    List.resizeColumnToContents(0);
  }

 private:
  QList<QTreeWidgetItem*> Items;
};

}  // namespace

std::string StatementItemText(const TStatement& S) {
  return S.Id + ": " + S.Sentence;
}

void SetUpStatementsList(QTreeWidget& List) {
  SetUpReportList(List);
  List.setHeaderLabels({QStringLiteral("Sentence")});
  List.setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                       QAbstractItemView::EditKeyPressed);
}

void SetUpReasonsList(QTreeWidget& List) {
  SetUpReportList(List);
  List.setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void FillStatementsList(QTreeWidget& List, const TArgumentationStage* Stage) {
  TItems Items;
  if (Stage != nullptr)
    for (const PStatement& S : Stage->Statements)
      Items.Add(StatementItemText(*S), true);
  Items.FillList(List);
}

void FillReasonsList(QTreeWidget& List, const TArgumentationStage* Stage) {
  TItems Items;
  if (Stage != nullptr) {
    for (const PReasonConclusion& C : Stage->ReasonConclusions) {
      Items.Add("CONCLUSION:");
      Items.Add(StatementItemText(*C->Conclusion));
      Items.Add("REASON:");
      Items.Add(StatementItemText(*C->Reason));
      if (C->Exceptions.Empty()) {
        Items.Add("(NO EXCEPTIONS)");
      } else {
        Items.Add("EXCEPTIONS:");
        for (const PStatement& E : C->Exceptions)
          Items.Add(StatementItemText(*E));
      }
      Items.Add("");
    }
  }
  Items.FillList(List);
}

}  // namespace palaver
