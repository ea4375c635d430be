// A line of argumentation saved on a Western-European Windows holds Windows-1252 bytes. Opened
// here, the window shows its characters, the dialogs list and match them as the sentences the
// user types, Save writes them as UTF-8, and palaver-cli reads the file as the window does.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "GuiTestSupport.h"
#include "ModalDialogSupport.h"
#include "app/DiagramPaintBox.h"
#include "dialogs/DialogComboBox.h"
#include "dialogs/DialogTestSupport.h"
#include "dialogs/ExceptionForm.h"
#include "dialogs/RadioGroup.h"
#include "dialogs/StatementForm.h"
#include "views/QtText.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

const QString Thrift = QStringLiteral("Zuinigheid is een deugd");
const QString Cafe = QStringLiteral("Het Café “De Kroon” is duur");
const QString Cup = QStringLiteral("Één kop koffie kost er € 4,50");
const QString Naive = QStringLiteral("Wie dat betaalt, is naïef");

const char* const Fixture = "transcript-windows-1252.lin";

QStringList ItemTexts(const QTreeWidget& List) {
  QStringList Texts;
  for (int I = 0; I < List.topLevelItemCount(); ++I)
    Texts << List.topLevelItem(I)->text(0);
  return Texts;
}

QStringList ListedItems(const TDialogComboBox& Box) {
  QStringList Items;
  for (int I = 0; I < Box.count(); ++I)
    Items << Box.itemText(I);
  return Items;
}

// The diagram's text, its wrapped lines joined again by blanks.
QString DiagramText(const TDiagramPicture& Picture) {
  QStringList Lines;
  for (const TDiagramPrimitive& P : Picture.Primitives())
    if (P.Kind == TPrimitiveKind::Text) Lines << ToQString(P.Text);
  return Lines.join(' ');
}

// Types as a keyboard does, one character at a time, "€" and the curly quotes included.
void TypeText(QWidget* Widget, const QString& Text) {
  for (const QChar C : Text)
    QTest::sendKeyEvent(QTest::Click, Widget, Qt::Key_unknown, QString(C), Qt::NoModifier);
}

// A run that has opened the fixture through File > Open.
struct TOpenedRun : TProgramRun {
  TOpenedRun() {
    Start();
    Dialogs.Answers = {DataFile(Fixture)};
    Form->Open1->trigger();
  }
};

}  // namespace

class Windows1252Test : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void diagramAndListsShowTheCharacters() {
    TOpenedRun Run;
    TArgIntForm& Form = *Run.Form;
    QCOMPARE(Form.Title(), std::string("Palaver - ") + Fixture);

    const QString Drawn = DiagramText(Form.DialArgsPaintBox->Picture());
    for (const QString& Sentence : {Thrift, Cafe, Cup, Naive})
      QVERIFY2(Drawn.contains(Sentence), qPrintable(Drawn));
    QVERIFY(!Drawn.contains(QChar::ReplacementCharacter));

    Form.ViewStatementsSpeedButton->click();
    QCOMPARE(ItemTexts(*Form.StatementsListView),
             QStringList({"1: " + Thrift, "2: " + Cafe, "3: " + Cup, "4: " + Naive}));
    Form.ViewReasonsSpeedButton->click();
    QCOMPARE(
        ItemTexts(*Form.ReasonsListView),
        QStringList({"CONCLUSION:", "2: " + Cafe, "REASON:", "3: " + Cup, "(NO EXCEPTIONS)", ""}));
  }

  // "Één" sorts among the E's, before "Het", in the lists of every dialog.
  void comboBoxesListTheCharactersInAlphabeticalOrder() {
    TOpenedRun Run;
    const QStringList Sorted = {Cup, Cafe, Naive, Thrift};
    QStringList Statement;
    WhenOpen<TStatementForm>([&](TStatementForm& Dialog) {
      Statement = ListedItems(*Dialog.StatementComboBox);
      Dialog.reject();
    });
    Run.Form->StatementButton->click();
    QCOMPARE(Statement, Sorted);

    QList<QStringList> Exception;
    WhenOpen<TExceptionForm>([&](TExceptionForm& Dialog) {
      for (const TDialogComboBox* Box :
           {Dialog.ExceptionComboBox, Dialog.ConclusionComboBox, Dialog.ReasonComboBox})
        Exception << ListedItems(*Box);
      Dialog.reject();
    });
    Run.Form->ExceptionButton->click();
    QCOMPARE(Exception, QList<QStringList>({Sorted, Sorted, Sorted}));
  }

  // The sentence picked from the list and the same sentence typed are the file's statement:
  // both preset its type, and Delete finds it.
  void pickedAndTypedSentencesAreTheFilesStatement() {
    TOpenedRun Run;
    Run.Boxes.DefaultAnswer = TAnswer::Yes;
    int PickedType = -1;
    int TypedType = -1;
    WhenOpen<TStatementForm>([&](TStatementForm& Dialog) {
      TDialogComboBox* Box = Dialog.StatementComboBox;
      QCOMPARE(Dialog.StatementTypeRadioGroup->ItemIndex(), 0);
      PALAVER_PICK(Box, Cup);
      PickedType = Dialog.StatementTypeRadioGroup->ItemIndex();

      ClickItem(Dialog.StatementTypeRadioGroup->Button(0));
      Box->setFocus();
      Box->lineEdit()->selectAll();
      TypeText(Box->lineEdit(), Cup);
      QCOMPARE(Box->currentText(), Cup);
      TypedType = Dialog.StatementTypeRadioGroup->ItemIndex();
      QTest::mouseClick(Dialog.DeleteButton, Qt::LeftButton);
    });
    Run.Form->StatementButton->click();

    QCOMPARE(PickedType, 1);
    QCOMPARE(TypedType, 1);
    QVERIFY(!Run.Form->StatementForm->isVisible());
    QStringList Left;
    for (const std::string& Statement : StageStatements())
      Left << ToQString(Statement);
    QVERIFY2(!Left.contains("!" + Cup), qPrintable(Left.join(" | ")));
    QVERIFY2(Left.contains("?" + Thrift) && Left.contains("?" + Naive),
             qPrintable(Left.join(" | ")));
    // The question names the statement it found; none says it was not made.
    QCOMPARE(Run.Boxes.Shown.size(), std::size_t{1});
    QCOMPARE(ToQString(Run.Boxes.Shown[0].Text),
             "Do you want to delete the statement '" + Cup + "' and all its occurrences?");
  }

  void saveWritesUtf8AndOpenGivesTheSameLines() {
    TOpenedRun Run;
    TArgIntForm& Form = *Run.Form;
    const TLines Statements = StageStatements();
    const std::string Path = Run.Dir.File("saved.lin");
    Run.Dialogs.Answers = {Path};
    Form.SaveAs1->trigger();

    std::string Expected;
    for (const QString& Line :
         {QStringLiteral("STATEMENT"), "  ?: " + Thrift, QString(), QStringLiteral("CONCLUSION"),
          "  ?: " + Cafe, QStringLiteral("REASON"), "  !: " + Cup, QString(),
          QStringLiteral("STATEMENT"), "  ?: " + Naive, QString(),
          QStringLiteral("CURRENT POSITION"), QString()})
      Expected += FromQString(Line) + "\r\n";
    QCOMPARE(ToQString(ReadBytes(Path)), ToQString(Expected));

    Run.Dialogs.Answers = {Path};
    Form.Open1->trigger();
    QCOMPARE(Form.Title(), std::string("Palaver - saved.lin"));
    QCOMPARE(StageStatements(), Statements);
  }

  void palaverCliPrintsTheSentencesTheWindowShows() {
    TOpenedRun Run;
    Run.Form->ViewStatementsSpeedButton->click();
    const QStringList Shown = ItemTexts(*Run.Form->StatementsListView);

    QProcess Cli;
    Cli.start(QStringLiteral(PALAVER_CLI_PROGRAM),
              {QStringLiteral("evaluate"), QString::fromStdString(DataFile(Fixture))});
    QVERIFY(Cli.waitForFinished(30000));
    QCOMPARE(Cli.exitCode(), 0);
    QJsonParseError Error;
    const QJsonDocument Output = QJsonDocument::fromJson(Cli.readAllStandardOutput(), &Error);
    QCOMPARE(Error.error, QJsonParseError::NoError);
    QStringList Printed;
    for (const QJsonValue Statement : Output.object().value("statements").toArray())
      Printed << Statement["id"].toString() + ": " + Statement["sentence"].toString();
    QCOMPARE(Printed, Shown);
  }
};

PALAVER_GUI_TEST_MAIN(Windows1252Test)
#include "Windows1252Test.moc"
