// Plays generated cases through the headless main window and prints every observable of every
// stage: statements with Ids, types and statuses; connections with their exceptions; arguments;
// dialectical arguments and the maximal ones, structure and statuses; the transcript, the
// forward lines and the messages shown. The program is built twice, against the program's model
// and against the reference model, and the two outputs must agree byte for byte.
//
//   palaver-differential-dump [--from SEED] [--cases N] [--show] [--write-transcripts DIR]

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "CaseGenerator.h"
#include "controller/HeadlessPlatform.h"
#include "controller/MainWindowCore.h"
#include "line/LineOfArgumentation.h"
#include "model/ArgumentationStage.h"
#include "session/ProgramState.h"
#include "transcript/TranscriptFormat.h"

namespace palaver::differential {

namespace {

// Trees of statements on cycles can be large; past this size only their length and a hash
// are printed (the same for both models).
constexpr std::size_t LongestTree = 1 << 16;

const char* StatusText(TJustificationStatus S) {
  switch (S) {
    case TJustificationStatus::Justified:
      return "J";
    case TJustificationStatus::Unjustified:
      return "U";
    default:
      return "N";
  }
}

void Tree(const TDialecticalArgument& D, std::string& Out) {
  Out += D.Conclusion->Id + StatusText(D.Status);
  if (D.Steps.Empty()) return;
  Out += '{';
  for (int I = 0; I < D.Steps.Count(); ++I) {
    const TStep& T = *D.Steps[I];
    Out += '(' + T.Conclusion->Id + '<' + T.Reason->Id;
    Out += T.ConnectionKind == TConnectionKind::Defeating ? "d" : "s";
    Out += T.WarrantUnjustified ? "!" : "";
    if (T.WarrantingDialecticalArgument) {
      Out += " W=";
      Tree(*T.WarrantingDialecticalArgument, Out);
    }
    for (int J = 0; J < T.Undercutters.Count(); ++J) {
      const TUndercutter& U = *T.Undercutters[J];
      Out += " X" + U.Exception->Id + '/' + U.Conclusion->Id + '<' + U.Reason->Id;
      Out += U.WarrantUnjustified ? "!" : "";
      if (U.WarrantingDialecticalArgument) {
        Out += " W=";
        Tree(*U.WarrantingDialecticalArgument, Out);
      }
      Out += " E=";
      Tree(*T.UndercuttingDialecticalArguments[J], Out);
    }
    Out += " I=";
    Tree(*D.InitialDialecticalArguments[I], Out);
    Out += ')';
  }
  Out += '}';
}

void Shape(const TArgument& A, std::string& Out) {
  Out += A.Conclusion->Id + ':' + A.Conclusion->Sentence;
  if (A.InitialArguments.Empty()) return;
  Out += '(';
  for (int I = 0; I < A.InitialArguments.Count(); ++I) {
    if (I > 0) Out += ',';
    Shape(*A.InitialArguments[I], Out);
  }
  Out += ')';
}

std::string Shortened(std::string Text) {
  if (Text.size() <= LongestTree) return Text;
  std::uint64_t Hash = 1469598103934665603ULL;
  for (unsigned char C : Text)
    Hash = (Hash ^ C) * 1099511628211ULL;
  return "<" + std::to_string(Text.size()) + " bytes, hash " + std::to_string(Hash) + ">";
}

void Stage(const TArgumentationStage& G, bool Statuses, std::string& Out) {
  Out += "statements";
  for (const PStatement& S : G.Statements) {
    Out += "\n  " + S->Id + ' ' + TypeMark(S->StatementType);
    if (Statuses) Out += StatusText(S->JustificationStatus);
    Out += " [" + S->Sentence + ']';
  }
  Out += "\nconnections";
  for (const PReasonConclusion& C : G.ReasonConclusions) {
    Out += "\n  " + C->Reason->Id + '>' + C->Conclusion->Id;
    Out += C->ConnectionKind == TConnectionKind::Defeating ? " defeating" : "";
    for (const PStatement& X : C->Exceptions)
      Out += " x" + X->Id + '[' + X->Sentence + ']';
  }
  Out += "\narguments";
  for (const PArgument& A : G.Arguments) {
    std::string Text;
    Shape(*A, Text);
    Out += "\n  " + Shortened(std::move(Text));
  }
  Out += "\ndialectical";
  for (const PDialecticalArgument& D : G.DialecticalArguments) {
    std::string Text;
    Tree(*D, Text);
    Out += "\n  " + Shortened(std::move(Text));
  }
  Out += "\nmaximal";
  for (const PDialecticalArgument& D : G.MaximalDialecticalArguments)
    Out += ' ' + std::to_string(G.DialecticalArguments.IndexOf(D.get()));
  Out += '\n';
}

class TCaseRun {
 public:
  explicit TCaseRun(const TCase& Case) : Case(Case) {}

  std::string Run() {
    ResetProgramState();
    State().Language = Case.Dutch ? TLanguage::Dutch : TLanguage::English;
    Platform.ButtonDown = TViewButton::Arguments;
    Core.NewLineOfArgumentation();
    Platform.ViewLines = Case.Transcript;
    Core.InterpretTranscript();
    Current("open");
    for (const TOperation& Op : Case.Operations)
      Current(Apply(Op));
    // Every stage of the final line, newest first: the old ones are read only now.
    const TLineOfArgumentation& Line = *State().LineOfArgumentation;
    for (int I = Line.ArgumentationStages.Count() - 1; I >= 0; --I) {
      Out += "-- stage " + std::to_string(I) + '\n';
      Stage(*Line.ArgumentationStages[I], false, Out);
    }
    return Out;
  }

 private:
  static TStatementType TypeOf(char Mark) {
    return Mark == '!' ? TStatementType::Assumption : TStatementType::Issue;
  }

  std::string Apply(const TOperation& Op) {
    using TKind = TOperation::TKind;
    Platform.Boxes.Answers.clear();
    for (char A : Op.Answers)
      Platform.Boxes.Answers.push_back(A == 'Y' ? TAnswer::Yes : TAnswer::No);
    const std::shared_ptr<TLineOfArgumentation> Line = State().LineOfArgumentation;
    const TArgumentationStage& G = *Line->CurrentStage;
    auto Statement = [&](int I) { return NewStatement(Op.Sentences[I], TypeOf(Op.Types[I])); };
    switch (Op.Kind) {
      case TKind::StatementMove:
        Core.StatementMove(Statement(0));
        return "statement move";
      case TKind::ReasonConclusionMove: {
        PReasonConclusion C = NewReasonConclusion();
        C->Conclusion = Statement(0);
        C->Reason = Statement(1);
        Core.ReasonConclusionMove(C);
        return "reason/conclusion move";
      }
      case TKind::ExceptionMove: {
        PReasonConclusion C = NewReasonConclusion();
        C->Exceptions.Add(Statement(0));
        C->Conclusion = Statement(1);
        C->Reason = Statement(2);
        Core.ExceptionMove(C);
        return "exception move";
      }
      case TKind::SwitchLanguage:
        State().Language =
            State().Language == TLanguage::English ? TLanguage::Dutch : TLanguage::English;
        return "language";
      case TKind::Back:
        if (Line->ArgumentationMoves.Empty()) return "no back";
        Core.StepBack();
        return "back";
      case TKind::Forward:
        if (!Platform.ForwardEnabled) return "no forward";
        Core.StepForward();
        return "forward";
      case TKind::DeleteStatement: {
        if (G.Statements.Empty()) return "no statement to delete";
        const PStatement S = G.Statements[static_cast<int>(Op.Pick % G.Statements.Count())];
        Core.RemoveStatement(*S);
        return "delete statement";
      }
      case TKind::DeleteReasonConclusion: {
        if (G.ReasonConclusions.Empty()) return "no connection to delete";
        const PReasonConclusion C =
            G.ReasonConclusions[static_cast<int>(Op.Pick % G.ReasonConclusions.Count())];
        Core.RemoveReasonConclusion(*C);
        return "delete connection";
      }
      case TKind::DeleteException: {
        std::vector<std::pair<PReasonConclusion, PStatement>> Pairs;
        for (const PReasonConclusion& C : G.ReasonConclusions)
          for (const PStatement& X : C->Exceptions)
            Pairs.emplace_back(C, X);
        if (Pairs.empty()) return "no exception to delete";
        const auto& [C, X] = Pairs[Op.Pick % Pairs.size()];
        PReasonConclusion Named = NewReasonConclusion();
        Named->Reason = C->Reason;
        Named->Conclusion = C->Conclusion;
        Named->Exceptions.Add(X);
        Core.RemoveException(*Named);
        return "delete exception";
      }
    }
    return "?";
  }

  void Current(const std::string& What) {
    const TLineOfArgumentation& Line = *State().LineOfArgumentation;
    Out += "== " + What + (State().Language == TLanguage::Dutch ? " (nl)" : " (en)");
    Out += " moves " + std::to_string(Line.ArgumentationMoves.Count());
    Out += Line.Changed ? " changed" : "";
    Out += Platform.BackEnabled ? " back" : "";
    Out += Platform.ForwardEnabled ? " forward" : "";
    Out += '\n';
    for (const auto& Box : Platform.Boxes.Shown)
      Out += "box " + Box.Text + '\n';
    Platform.Boxes.Shown.clear();
    for (const std::string& L : TranscriptOfLine(Line))
      Out += "| " + L + '\n';
    for (const std::string& L : State().ForwardLines)
      Out += "> " + L + '\n';
    Stage(*Line.CurrentStage, true, Out);
  }

  const TCase& Case;
  THeadlessPlatform Platform;
  TMainWindowCore Core{Platform};
  std::string Out;
};

void Show(const TCase& Case) {
  std::printf("seed %llu, %s\n", static_cast<unsigned long long>(Case.Seed),
              Case.Dutch ? "Dutch" : "English");
  for (const std::string& L : Case.Transcript)
    std::printf("  |%s|\n", L.c_str());
  for (const TOperation& Op : Case.Operations) {
    std::printf("  op %d pick %u answers %s types %s:", static_cast<int>(Op.Kind), Op.Pick,
                Op.Answers.c_str(), Op.Types.c_str());
    for (const std::string& S : Op.Sentences)
      std::printf(" [%s]", S.c_str());
    std::printf("\n");
  }
}

}  // namespace

}  // namespace palaver::differential

int main(int argc, char** argv) {
  using namespace palaver::differential;
  std::uint64_t From = 1;
  std::uint64_t Cases = 100;
  bool ShowCases = false;
  std::string TranscriptDir;
  for (int I = 1; I < argc; ++I) {
    const std::string Arg = argv[I];
    if (Arg == "--from" && I + 1 < argc)
      From = std::strtoull(argv[++I], nullptr, 10);
    else if (Arg == "--cases" && I + 1 < argc)
      Cases = std::strtoull(argv[++I], nullptr, 10);
    else if (Arg == "--show")
      ShowCases = true;
    else if (Arg == "--write-transcripts" && I + 1 < argc)
      TranscriptDir = argv[++I];
    else {
      std::fprintf(stderr,
                   "usage: %s [--from SEED] [--cases N] [--show] [--write-transcripts DIR]\n",
                   argv[0]);
      return 2;
    }
  }
  for (std::uint64_t Seed = From; Seed < From + Cases; ++Seed) {
    const TCase Case = GenerateCase(Seed);
    if (ShowCases) Show(Case);
    if (!TranscriptDir.empty()) {
      std::ofstream(TranscriptDir + "/case-" + std::to_string(Seed) + ".lin", std::ios::binary)
          << TranscriptText(Case);
      continue;
    }
    const std::string Dump = TCaseRun(Case).Run();
    std::printf("CASE %llu\n%s", static_cast<unsigned long long>(Seed), Dump.c_str());
  }
  return 0;
}
