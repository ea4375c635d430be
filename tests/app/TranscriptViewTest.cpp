// The line-of-argumentation view gets its text only while it is shown: whatever happened while
// it was hidden, it shows the current transcript as soon as it appears, and the lines the core
// reads back stay exact all the time.

#include <QPushButton>
#include <QStringList>
#include <QTextEdit>

#include "GuiTestSupport.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

QString Shown(const TArgIntForm& Form) {
  return Form.LineOfArgumentationRichEdit->toPlainText();
}

}  // namespace

class TranscriptViewTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void aHiddenViewIsFilledWhenItAppears() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    Form.Core().StatementMove(Assumption("a"));
    Form.Core().StatementMove(Issue("b"));
    // Back rebuilds the lines and replays them while the diagram is the view. The view shows
    // only the replay's progress, never the transcript it is about to replace.
    QStringList Texts;
    QObject::connect(Form.LineOfArgumentationRichEdit, &QTextEdit::textChanged,
                     [&] { Texts << Shown(Form); });
    Form.BackButton->click();
    QVERIFY(Form.ViewDialArgsSpeedButton->Down());
    QCOMPARE(StageStatements(), TLines({"!a"}));
    QVERIFY(!Texts.isEmpty());
    for (const QString& Text : Texts)
      QVERIFY2(Text.startsWith(QStringLiteral("Interpreting file")), qPrintable(Text));
    QObject::disconnect(Form.LineOfArgumentationRichEdit, &QTextEdit::textChanged, nullptr,
                        nullptr);

    // ... but shows the current transcript the moment it is chosen.
    Form.ViewLineOfArgumentationSpeedButton->click();
    QCOMPARE(Shown(Form), QStringLiteral("STATEMENT\n  !: a\n"));

    // While shown, every move shows at once.
    Form.Core().StatementMove(Issue("c"));
    QCOMPARE(Shown(Form), QStringLiteral("STATEMENT\n  !: a\n\nSTATEMENT\n  ?: c\n"));

    // Hidden again, moves and Forward go on; the lines the core reads are right throughout.
    Form.ViewDialArgsSpeedButton->click();
    Form.Core().StatementMove(Assumption("d"));
    Form.BackButton->click();
    Form.ForwardButton->click();
    QCOMPARE(StageStatements(), TLines({"!a", "?c", "!d"}));
    Form.ViewLineOfArgumentationSpeedButton->click();
    QCOMPARE(Shown(Form),
             QStringLiteral("STATEMENT\n  !: a\n\nSTATEMENT\n  ?: c\n\nSTATEMENT\n  !: d\n"));
    const std::vector<std::string>& Lines = Form.TranscriptViewLines();
    QCOMPARE(QString::fromStdString(Lines.front()), QStringLiteral("STATEMENT"));
    QCOMPARE(Lines.size(), std::size_t{9});
  }

  void theProgressTextOfAReplayIsShown() {
    TProgramRun Run;
    TArgIntForm& Form = Run.Start();
    for (int I = 0; I < 12; ++I)
      Form.Core().StatementMove(Issue("s" + std::to_string(I)));
    // A replay shows its progress in the view whichever view was chosen; the dots are there.
    Form.BackButton->click();
    QCOMPARE(Form.TranscriptViewLines().front(), std::string("Interpreting file"));
    QVERIFY(Shown(Form).startsWith(QStringLiteral("Interpreting file\n..")));
  }
};

PALAVER_GUI_TEST_MAIN(TranscriptViewTest)
#include "TranscriptViewTest.moc"
