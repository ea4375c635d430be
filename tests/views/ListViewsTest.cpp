// The statements list and the reasons list, filled from stages built move by move.

#include <QFontMetrics>
#include <QHeaderView>
#include <QTest>

#include "ListViewsTestSuites.h"
#include "model/StageBuilder.h"
#include "session/ProgramState.h"
#include "views/ListViews.h"

namespace palaver::test {

class ListViewsTest : public QObject {
  Q_OBJECT

 private:
  QTreeWidget Statements;
  QTreeWidget Reasons;

 private slots:
  void initTestCase() {
    SetUpStatementsList(Statements);
    SetUpReasonsList(Reasons);
  }
  void cleanup() { ResetProgramState(); }

  void anEmptyStageGivesEmptyLists() {
    FillStatementsList(Statements, nullptr);
    FillReasonsList(Reasons, nullptr);
    QCOMPARE(Statements.topLevelItemCount(), 0);
    QCOMPARE(Reasons.topLevelItemCount(), 0);

    TStageBuilder Empty;
    Statements.addTopLevelItem(new QTreeWidgetItem(QStringList{"left over"}));
    FillStatementsList(Statements, Empty.Stage.get());
    FillReasonsList(Reasons, Empty.Stage.get());
    QCOMPARE(Statements.topLevelItemCount(), 0);
    QCOMPARE(Reasons.topLevelItemCount(), 0);
  }

  void oneConnectionGivesSixItems() {
    TStageBuilder B;
    B.Issue("c").Connect("r", "c");
    FillReasonsList(Reasons, B.Stage.get());
    QCOMPARE(ItemTexts(Reasons),
             QStringList({"CONCLUSION:", "1: c", "REASON:", "2: r", "(NO EXCEPTIONS)", ""}));
  }

  void exceptionsFollowInTheOrderTheyWereAdded() {
    TStageBuilder B;
    B.Issue("c").Connect("r", "c").Except("z", "r", "c").Except("a", "r", "c");
    B.Connect("s", "c");
    FillReasonsList(Reasons, B.Stage.get());
    QCOMPARE(ItemTexts(Reasons),
             QStringList({"CONCLUSION:", "1: c", "REASON:", "2: r", "EXCEPTIONS:", "3: z", "4: a",
                          "", "CONCLUSION:", "1: c", "REASON:", "5: s", "(NO EXCEPTIONS)", ""}));
    // Read-only, item by item too.
    QCOMPARE(Reasons.editTriggers(), QAbstractItemView::NoEditTriggers);
    for (int I = 0; I < Reasons.topLevelItemCount(); ++I)
      QVERIFY(!(Reasons.topLevelItem(I)->flags() & Qt::ItemIsEditable));
  }

  void statementsKeepTheOrderOfEntry() {
    // Numbers are handed out as the statements enter; a list in entry order can still run
    // against the numbers, and against their order as texts ("10" before "2").
    TStageBuilder B;
    QStringList Expected;
    for (int I = 1; I <= 10; ++I) {
      B.Issue("s" + std::to_string(I));
      Expected << QStringLiteral("%1: s%1").arg(I);
    }
    FillStatementsList(Statements, B.Stage.get());
    QCOMPARE(ItemTexts(Statements), Expected);

    TArgumentationStage Stage;
    Stage.Statements.Add(B.Get("s10"));
    Stage.Statements.Add(B.Get("s2"));
    Stage.Statements.Add(B.Get("s1"));
    FillStatementsList(Statements, &Stage);
    QCOMPARE(ItemTexts(Statements), QStringList({"10: s10", "2: s2", "1: s1"}));
  }

  // The list shows what it was given; an edit in place is the display's alone.
  void statementsCanBeEditedInPlaceAndAreNeverReadBack() {
    TStageBuilder B;
    B.Issue("a").Assumption("b");
    FillStatementsList(Statements, B.Stage.get());
    QVERIFY(Statements.editTriggers() != QAbstractItemView::NoEditTriggers);
    QTreeWidgetItem* Item = Statements.topLevelItem(1);
    QVERIFY(Item->flags() & Qt::ItemIsEditable);
    Item->setText(0, "2: changed");
    QCOMPARE(B.Get("b")->Sentence, std::string("b"));
    FillStatementsList(Statements, B.Stage.get());
    QCOMPARE(ItemTexts(Statements), QStringList({"1: a", "2: b"}));
  }

  void theColumnIsAsWideAsTheLongestItem() {
    const QString Long = QString(120, QChar('w'));
    TStageBuilder B;
    B.Issue("short");
    FillStatementsList(Statements, B.Stage.get());
    const int Narrow = Statements.columnWidth(0);
    QVERIFY(Narrow < QFontMetrics(Statements.font()).horizontalAdvance(Long));

    // The long item comes last, far out of sight of a small list.
    Statements.resize(100, 60);
    for (int I = 0; I < 40; ++I)
      B.Issue("x" + std::to_string(I));
    B.Issue(Long.toStdString());
    FillStatementsList(Statements, B.Stage.get());
    QVERIFY(Statements.columnWidth(0) >=
            QFontMetrics(Statements.font()).horizontalAdvance("42: " + Long));

    FillStatementsList(Statements, nullptr);
    FillStatementsList(Statements, TStageBuilder().Issue("short").Stage.get());
    QCOMPARE(Statements.columnWidth(0), Narrow);
  }
};

std::unique_ptr<QObject> MakeListViewsTest() {
  return std::make_unique<ListViewsTest>();
}

}  // namespace palaver::test

#include "ListViewsTest.moc"
