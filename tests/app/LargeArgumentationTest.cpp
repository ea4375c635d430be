// The window with argumentations that are small to type but enormous to evaluate: five Issues
// that are each a reason for the four others open and are drawn exactly as far as the diagram's
// limit, and a move past the evaluation limit is refused with a message, changing nothing.

#include <QPushButton>
#include <fstream>
#include <string>

#include "GuiTestSupport.h"
#include "app/DiagramPaintBox.h"
#include "model/EvaluationLimit.h"
#include "views/DiagramLayout.h"

using namespace palaver;
using namespace palaver::guitest;

namespace {

std::string FullyConnected(int K) {
  std::string Text;
  for (int C = 1; C <= K; ++C)
    for (int R = 1; R <= K; ++R)
      if (R != C)
        Text += "CONCLUSION\r\n  ?: s" + std::to_string(C) + "\r\nREASON\r\n  ?: s" +
                std::to_string(R) + "\r\n\r\n";
  return Text;
}

std::string LastText(const TDiagramPicture& Picture) {
  std::string Text;
  for (const TDiagramPrimitive& P : Picture.Primitives())
    if (P.Kind == TPrimitiveKind::Text) Text = P.Text;
  return Text;
}

#if !defined(__SANITIZE_ADDRESS__)
// The most memory the process has held so far, in megabytes.
long PeakMegabytes() {
  std::ifstream Status("/proc/self/status");
  std::string Key;
  long Kilobytes = 0;
  while (Status >> Key)
    if (Key == "VmHWM:") Status >> Kilobytes;
  return Kilobytes / 1024;
}
#endif

struct TLoggedRun : TProgramRun {
  TLoggedRun() {
    WriteSettings("[Options]\r\nLogging=On\r\n");
    Start();
  }
};

}  // namespace

class LargeArgumentationTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ResetProgramState(); }

  void fiveFullyConnectedIssuesAreEvaluatedAndDrawnAsFarAsTheLimit() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    const std::string Path = Run.Dir.File("five.lin");
    WriteBytes(Path, FullyConnected(5));
    Run.Dialogs.Answers = {Path};
    Form.Core().Open1Click();

    QCOMPARE(Line().ArgumentationMoves.Count(), 20);
    QVERIFY(!Form.Core().LastReplayStop);
    // A cycle of Issues supports nothing: every statement is unjustified, exactly.
    for (const PStatement& S : Line().CurrentStage->Statements)
      QCOMPARE(S->JustificationStatus, TJustificationStatus::Unjustified);
    QCOMPARE(Line().CurrentStage->MaximalDialecticalArguments.Count(), 5);

    // The diagram stops at its limit and says how much it leaves out.
    const TDiagramPicture& Picture = Form.DialArgsPaintBox->Picture();
    const std::string Note = LastText(Picture);
    QVERIFY2(Note.rfind("\u2026 ", 0) == 0, Note.c_str());
    QVERIFY2(Note.find(" more boxes not shown") != std::string::npos, Note.c_str());
    QVERIFY(Picture.Height < DiagramHeightLimit);
    QVERIFY(Form.DialArgsPaintBox->height() == Picture.Height);
#if !defined(__SANITIZE_ADDRESS__)
    // The sanitizer's own bookkeeping would not leave the figure comparable.
    QVERIFY2(PeakMegabytes() < 1536, std::to_string(PeakMegabytes()).c_str());
#endif
  }

  void aMovePastTheLimitIsRefusedWithAMessageInTheWindowsLanguage() {
    TLoggedRun Run;
    TArgIntForm& Form = *Run.Form;
    TEvaluationLimits Limits;
    Limits.DialecticalArguments = 200;
    Form.Core().SetEvaluationLimits(Limits);
    const auto Move = [&Form](int Reason, int Conclusion) {
      Form.Core().ReasonConclusionMove(
          Connection(Issue("s" + std::to_string(Reason)), Issue("s" + std::to_string(Conclusion))));
    };
    int Made = 0;
    int RefusedReason = 0;
    int RefusedConclusion = 0;
    for (int C = 1; C <= 4 && RefusedReason == 0; ++C)
      for (int R = 1; R <= 4 && RefusedReason == 0; ++R) {
        if (R == C) continue;
        Move(R, C);
        if (Line().ArgumentationMoves.Count() > Made) {
          ++Made;
        } else {
          RefusedReason = R;
          RefusedConclusion = C;
        }
      }
    QVERIFY(RefusedReason != 0);
    QVERIFY(Line().LimitReached);
    QCOMPARE(Line().ArgumentationMoves.Count(), Made);
    QVERIFY(Form.BackButton->isEnabled());
    QVERIFY(!Form.ForwardButton->isEnabled());
    QCOMPARE(Run.Boxes.Shown.back().Kind, TScriptedMessageBoxes::TKind::Warning);
    QVERIFY(Run.Boxes.Shown.back().Text.rfind("\r\nThe move was not made: ", 0) == 0);
    QCOMPARE(Run.LoggedSinceShow().back(), std::string("Message: Evaluation limit; Answer: OK"));

    Form.SwitchToDutch();
    Move(RefusedReason, RefusedConclusion);
    QCOMPARE(Line().ArgumentationMoves.Count(), Made);
    QVERIFY(Run.Boxes.Shown.back().Text.rfind("\r\nDe zet is niet gedaan: ", 0) == 0);
    QCOMPARE(Run.LoggedSinceShow().back(), std::string("Message: Evaluation limit; Answer: OK"));
  }
};

PALAVER_GUI_TEST_MAIN(LargeArgumentationTest)
#include "LargeArgumentationTest.moc"
