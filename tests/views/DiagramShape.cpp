#include "DiagramShape.h"

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "model/WarrantSentences.h"

namespace palaver::test {

namespace {

constexpr int DeepestLevel = 7;  // levels 0 .. 7: eight in all

constexpr std::array<std::string_view, 96> Words = {
    "the",        "council",   "should",  "build",       "a",        "new",       "bridge",
    "over",       "river",     "because", "traffic",     "in",       "town",      "centre",
    "has",        "doubled",   "since",   "last",        "year",     "and",       "residents",
    "complain",   "about",     "noise",   "witness",     "saw",      "defendant", "near",
    "house",      "on",        "night",   "of",          "burglary", "his",       "statement",
    "is",         "reliable",  "not",     "contract",    "was",      "signed",    "by",
    "both",       "parties",   "before",  "deadline",    "expired",  "payment",   "arrived",
    "two",        "weeks",     "late",    "tenant",      "may",      "terminate", "lease",
    "when",       "landlord",  "fails",   "to",          "repair",   "roof",      "within",
    "reasonable", "time",      "police",  "report",      "mentions", "damaged",   "window",
    "at",         "rear",      "expert",  "testified",   "that",     "fire",      "started",
    "kitchen",    "insurance", "covers",  "water",       "damage",   "only",      "if",
    "owner",      "reported",  "it",      "immediately", "this",     "case",      "differs",
    "from",       "earlier",   "ruling",  "court",       "agrees"};

// Deterministic on every platform: the engine's output is fixed by the standard, the
// distributions' are not, so numbers are drawn by remainder.
class TDraw {
 public:
  explicit TDraw(unsigned Seed) : Engine(Seed) {}
  int Below(int N) { return static_cast<int>(Engine() % static_cast<unsigned>(N)); }
  bool OneIn(int N) { return Below(N) == 0; }

  std::string Sentence() {
    const int Count = 4 + Below(12);
    std::string Text;
    for (int I = 0; I < Count; ++I) {
      if (I > 0) Text += ' ';
      Text += Words[static_cast<std::size_t>(Below(static_cast<int>(Words.size())))];
    }
    Text[0] = static_cast<char>(Text[0] - 'a' + 'A');
    return Text;
  }

 private:
  std::mt19937 Engine;
};

struct TException {
  PStatement Exception;
  PStatement Warrant;  // the undercutter warrant, when it is a statement
};

struct TConnection {
  int Reason = 0;
  TConnectionKind Kind = TConnectionKind::Supporting;
  PStatement Warrant;  // the step warrant, when it is a statement
  std::vector<TException> Exceptions;
};

struct TNode {
  PStatement Statement;
  int Level = 0;
  std::vector<TConnection> Reasons;
};

class TShapeBuilder {
 public:
  TShapeBuilder(int StatementCount, unsigned Seed) : Draw(Seed), Remaining(StatementCount) {}

  TDiagramShape Build() {
    const int Total = Remaining;
    // A little is kept back for the second conclusions of the cross-supporting leaves.
    const int Reserve = Total / 150;
    Remaining -= Reserve;
    NewNode(0, 20);
    GrowBreadthFirst();
    Remaining += Reserve;
    CrossSupport();

    TDiagramShape Shape;
    Shape.MaximalDialecticalArguments.Add(DialecticalArgument(0, Shape));
    Shape.StatementCount = Total - Remaining;
    Shape.ConnectionCount = Connections;
    return Shape;
  }

 private:
  PStatement NewStatement(std::string Sentence, int AssumptionPercent) {
    --Remaining;
    const TStatementType Type =
        Draw.Below(100) < AssumptionPercent ? TStatementType::Assumption : TStatementType::Issue;
    return palaver::NewStatement(std::move(Sentence), Type);
  }

  int NewNode(int Level, int AssumptionPercent) {
    Nodes.push_back({NewStatement(Draw.Sentence(), AssumptionPercent), Level, {}});
    return static_cast<int>(Nodes.size()) - 1;
  }

  void Connect(int Reason, int Conclusion) {
    TConnection C;
    C.Reason = Reason;
    C.Kind = Draw.OneIn(7) ? TConnectionKind::Defeating : TConnectionKind::Supporting;
    const std::string& R = Nodes[static_cast<std::size_t>(Reason)].Statement->Sentence;
    const std::string& K = Nodes[static_cast<std::size_t>(Conclusion)].Statement->Sentence;
    if (Remaining > 0 && Draw.OneIn(2))
      C.Warrant = NewStatement(StepWarrantSentence(R, K, C.Kind, TLanguage::English), 60);
    if (Remaining > 0 && Draw.OneIn(5)) {
      TException E;
      E.Exception = NewStatement(Draw.Sentence(), 30);
      if (Remaining > 0 && Draw.OneIn(4))
        E.Warrant = NewStatement(
            UndercutterWarrantSentence(E.Exception->Sentence, R, K, TLanguage::English), 50);
      C.Exceptions.push_back(std::move(E));
    }
    Nodes[static_cast<std::size_t>(Conclusion)].Reasons.push_back(std::move(C));
    ++Connections;
  }

  // Every conclusion gets one to six reasons, level by level, until the statements run out.
  void GrowBreadthFirst() {
    for (std::size_t Next = 0; Next < Nodes.size() && Remaining > 0; ++Next) {
      const int Level = Nodes[Next].Level;
      if (Level == DeepestLevel) continue;
      const int Count = 1 + Draw.Below(6);
      for (int I = 0; I < Count && Remaining > 0; ++I) {
        // Leaves are more often taken for granted than the conclusions above them.
        const int Reason = NewNode(Level + 1, Level + 1 == DeepestLevel ? 50 : 20);
        Connect(Reason, static_cast<int>(Next));
      }
    }
  }

  // About one leaf reason in a hundred also supports a conclusion elsewhere in the tree. A leaf
  // has no reasons, so the argumentation stays acyclic.
  void CrossSupport() {
    std::vector<int> Conclusions;
    for (std::size_t I = 0; I < Nodes.size(); ++I)
      if (!Nodes[I].Reasons.empty()) Conclusions.push_back(static_cast<int>(I));
    for (std::size_t I = 1; I < Nodes.size() && Remaining > 0; ++I) {
      if (!Nodes[I].Reasons.empty() || !Draw.OneIn(100)) continue;
      const int Other =
          Conclusions[static_cast<std::size_t>(Draw.Below(static_cast<int>(Conclusions.size())))];
      const bool AlreadyReason = [&] {
        for (const TConnection& C : Nodes[static_cast<std::size_t>(Other)].Reasons)
          if (C.Reason == static_cast<int>(I)) return true;
        return false;
      }();
      if (!AlreadyReason) Connect(static_cast<int>(I), Other);
    }
  }

  // A statement with no reasons: justified exactly when it is taken for granted.
  static PDialecticalArgument Leaf(const PStatement& S, TDiagramShape& Shape) {
    auto D = std::make_shared<TDialecticalArgument>();
    D->Conclusion = S;
    D->Status = S->StatementType == TStatementType::Assumption ? TJustificationStatus::Justified
                                                               : TJustificationStatus::Unjustified;
    S->JustificationStatus = D->Status;
    ++Shape.BoxCount;
    return D;
  }

  static bool IsJustified(const PDialecticalArgument& D) {
    return D->Status == TJustificationStatus::Justified;
  }

  // The node's dialectical argument with the statuses the status computation gives: an Issue is
  // justified by a step from a justified reason whose warrant is not unjustified and that no
  // active exception undercuts.
  PDialecticalArgument DialecticalArgument(int Index, TDiagramShape& Shape) const {
    const TNode& Node = Nodes[static_cast<std::size_t>(Index)];
    auto D = std::make_shared<TDialecticalArgument>();
    D->Conclusion = Node.Statement;
    ++Shape.BoxCount;
    bool Justified = Node.Statement->StatementType == TStatementType::Assumption;
    for (const TConnection& C : Node.Reasons) {
      auto Step = std::make_shared<TStep>();
      Step->Conclusion = Node.Statement;
      Step->Reason = Nodes[static_cast<std::size_t>(C.Reason)].Statement;
      Step->ConnectionKind = C.Kind;
      if (C.Warrant) {
        Step->WarrantingDialecticalArgument = Leaf(C.Warrant, Shape);
        Step->WarrantUnjustified = !IsJustified(Step->WarrantingDialecticalArgument);
      }
      bool Undercut = false;
      for (const TException& E : C.Exceptions) {
        auto U = std::make_shared<TUndercutter>();
        U->Exception = E.Exception;
        U->Conclusion = Step->Conclusion;
        U->Reason = Step->Reason;
        if (E.Warrant) {
          U->WarrantingDialecticalArgument = Leaf(E.Warrant, Shape);
          U->WarrantUnjustified = !IsJustified(U->WarrantingDialecticalArgument);
        }
        PDialecticalArgument B = Leaf(E.Exception, Shape);
        Undercut = Undercut || (IsJustified(B) && !U->WarrantUnjustified);
        Step->Undercutters.Add(std::move(U));
        Step->UndercuttingDialecticalArguments.Add(std::move(B));
      }
      PDialecticalArgument A = DialecticalArgument(C.Reason, Shape);
      Justified = Justified || (IsJustified(A) && !Step->WarrantUnjustified && !Undercut);
      D->Steps.Add(std::move(Step));
      D->InitialDialecticalArguments.Add(std::move(A));
    }
    D->Status = Justified ? TJustificationStatus::Justified : TJustificationStatus::Unjustified;
    Node.Statement->JustificationStatus = D->Status;
    return D;
  }

  TDraw Draw;
  int Remaining;
  int Connections = 0;
  std::vector<TNode> Nodes;
};

}  // namespace

TDiagramShape BuildDiagramShape(int StatementCount, unsigned Seed) {
  return TShapeBuilder(StatementCount, Seed).Build();
}

}  // namespace palaver::test
