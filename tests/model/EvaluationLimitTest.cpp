// A move past an evaluation limit is refused and taken back; the stages before it, and the
// moves made after it, must come out exactly as if it had never been tried.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/ArgumentationStage.h"
#include "model/EvaluationContext.h"
#include "model/EvaluationLimit.h"
#include "model/WarrantSentences.h"

namespace palaver {
namespace {

// The context of G's line, with room for this many dialectical arguments on cycles.
TEvaluationContext Limited(const TArgumentationStage& G, std::size_t Arguments) {
  TEvaluationContext Context = G.Context();
  Context.Limits.DialecticalArguments = Arguments;
  return Context;
}

struct TPlannedMove {
  int Kind;  // 0 statement, 1 reason/conclusion, 2 exception
  std::vector<std::string> Sentences;
  std::vector<TStatementType> Types;
};

// The move on G, evaluated as G was.
PArgumentationStage Make(const TArgumentationStage& G, const TPlannedMove& M) {
  const auto S = [&M](std::size_t I) { return NewStatement(M.Sentences[I], M.Types[I]); };
  if (M.Kind == 0) return G.DoStatementMove(S(0));
  PReasonConclusion C = NewReasonConclusion();
  const std::size_t First = M.Kind == 2 ? 1 : 0;
  if (M.Kind == 2) C->Exceptions.Add(S(0));
  C->Conclusion = S(First);
  C->Reason = S(First + 1);
  return M.Kind == 2 ? G.DoExceptionMove(C) : G.DoReasonConclusionMove(C);
}

// The move on G, evaluated within other limits.
PArgumentationStage Make(const TArgumentationStage& G, const TPlannedMove& M,
                         const TEvaluationContext& Context) {
  const auto S = [&M](std::size_t I) { return NewStatement(M.Sentences[I], M.Types[I]); };
  if (M.Kind == 0) return G.DoStatementMove(S(0), Context);
  PReasonConclusion C = NewReasonConclusion();
  const std::size_t First = M.Kind == 2 ? 1 : 0;
  if (M.Kind == 2) C->Exceptions.Add(S(0));
  C->Conclusion = S(First);
  C->Reason = S(First + 1);
  return M.Kind == 2 ? G.DoExceptionMove(C, Context) : G.DoReasonConclusionMove(C, Context);
}

// Everything a dialectical argument holds, written out.
void Write(const TDialecticalArgument& D, std::string& Out) {
  Out += "(" + D.Conclusion->Sentence + (D.Status == TJustificationStatus::Justified ? "+" : "-");
  for (int I = 0; I < D.Steps.Count(); ++I) {
    const TStep& T = *D.Steps[I];
    Out += T.WarrantUnjustified ? " w!" : " w";
    if (T.WarrantingDialecticalArgument) Write(*T.WarrantingDialecticalArgument, Out);
    Write(*D.InitialDialecticalArguments[I], Out);
    for (int J = 0; J < T.Undercutters.Count(); ++J) {
      Out += T.Undercutters[J]->WarrantUnjustified ? " u!" : " u";
      if (T.Undercutters[J]->WarrantingDialecticalArgument)
        Write(*T.Undercutters[J]->WarrantingDialecticalArgument, Out);
      Write(*T.UndercuttingDialecticalArguments[J], Out);
    }
  }
  Out += ")";
}

std::string Dump(const TArgumentationStage& G) {
  std::string Out;
  for (const PDialecticalArgument& D : G.DialecticalArguments)
    Write(*D, Out += "\n");
  Out += "\nmaximal:";
  for (const PDialecticalArgument& D : G.MaximalDialecticalArguments)
    Out += " " + D->Conclusion->Sentence;
  return Out;
}

// Four Issues, each a reason for each other one.
std::vector<TPlannedMove> FullyConnected() {
  std::vector<TPlannedMove> Moves;
  for (int C = 1; C <= 4; ++C)
    for (int R = 1; R <= 4; ++R)
      if (R != C)
        Moves.push_back({1,
                         {"s" + std::to_string(C), "s" + std::to_string(R)},
                         {TStatementType::Issue, TStatementType::Issue}});
  return Moves;
}

TEST(EvaluationLimit, AMoveThatNeedsExactlyTheLimitIsMadeAndOneMoreIsNot) {
  const std::vector<TPlannedMove> Moves = FullyConnected();
  const auto Replay = [&Moves](std::size_t Count) {
    PArgumentationStage G = std::make_shared<TArgumentationStage>();
    for (std::size_t I = 0; I < Count; ++I)
      G = Make(*G, Moves[I]);
    return G;
  };
  const std::size_t Needed = Replay(Moves.size())->CycleGroupArguments();
  ASSERT_GT(Needed, Replay(Moves.size() - 1)->CycleGroupArguments());
  const PArgumentationStage AtTheLimit = Replay(Moves.size() - 1);
  EXPECT_EQ(Make(*AtTheLimit, Moves.back(), Limited(*AtTheLimit, Needed))->CycleGroupArguments(),
            Needed);
  PArgumentationStage Before = Replay(Moves.size() - 1);
  try {
    Make(*Before, Moves.back(), Limited(*Before, Needed - 1));
    ADD_FAILURE() << "the move needing " << Needed << " was made with a limit of " << Needed - 1;
  } catch (const TEvaluationLimitReached& Limit) {
    EXPECT_EQ(Limit.Kind, TEvaluationLimitReached::TKind::DialecticalArguments);
    EXPECT_EQ(Limit.Limit, Needed - 1);
  }
  // The stage before is as it was: a move on it that fits is made.
  EXPECT_EQ(Make(*Before, {0, {"new"}, {TStatementType::Issue}})->Statements.Count(), 5);
}

TEST(EvaluationLimit, RefusedMovesLeaveNoTraceInTheStagesBeforeAndAfter) {
  // Small numbers of our own, so that both runs draw the same moves.
  std::uint64_t Seed = 12345;
  const auto Next = [&Seed](unsigned N) {
    Seed = Seed * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<unsigned>((Seed >> 33) % N);
  };
  const std::vector<std::string> Sentences = {
      "a", "b", "c",
      "d", "e", StepWarrantSentence("a", "b", TConnectionKind::Supporting, TLanguage::English)};
  const auto Type = [&Next] {
    return Next(3) == 0 ? TStatementType::Assumption : TStatementType::Issue;
  };

  int Refused = 0;
  std::vector<TPlannedMove> Made;
  std::vector<PArgumentationStage> Stages{
      std::make_shared<TArgumentationStage>(Limited(TArgumentationStage(), 120))};
  {
    for (int Step = 0; Step < 300; ++Step) {
      TPlannedMove M;
      M.Kind = Next(10) < 2 ? 0 : Next(10) < 8 ? 1 : 2;
      for (int I = 0; I < (M.Kind == 0 ? 1 : M.Kind == 1 ? 2 : 3); ++I) {
        M.Sentences.push_back(Sentences[Next(static_cast<unsigned>(Sentences.size()))]);
        M.Types.push_back(Type());
      }
      try {
        Stages.push_back(Make(*Stages.back(), M));
        Made.push_back(M);
      } catch (const TEvaluationLimitReached&) {
        ++Refused;
      }
    }
  }
  ASSERT_GT(Refused, 10);
  ASSERT_GT(Made.size(), 10U);

  // The moves that were made, made again on new objects with nothing refused: every stage the
  // same, down to the last status in every dialectical argument.
  std::vector<PArgumentationStage> Again{std::make_shared<TArgumentationStage>()};
  for (const TPlannedMove& M : Made)
    Again.push_back(Make(*Again.back(), M));
  ASSERT_EQ(Again.size(), Stages.size());
  for (std::size_t I = 0; I < Stages.size(); ++I)
    ASSERT_EQ(Dump(*Stages[I]), Dump(*Again[I])) << "stage " << I;
}

}  // namespace
}  // namespace palaver
