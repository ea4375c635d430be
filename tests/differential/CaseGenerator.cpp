#include "CaseGenerator.h"

#include <string>
#include <utility>
#include <vector>

#include "model/Statement.h"
#include "model/WarrantSentences.h"
#include "session/Language.h"

namespace palaver::differential {

namespace {

// A small generator of our own, so that both builds (and every compiler) draw the same numbers.
class TRandom {
 public:
  explicit TRandom(std::uint64_t Seed)
      : State(Seed * 0x9E3779B97F4A7C15ULL + 0x2545F4914F6CDD1DULL) {}
  std::uint64_t Next() {
    State ^= State >> 12;
    State ^= State << 25;
    State ^= State >> 27;
    return State * 0x2545F4914F6CDD1DULL;
  }
  unsigned Below(unsigned N) { return N == 0 ? 0 : static_cast<unsigned>(Next() % N); }
  bool Chance(unsigned Percent) { return Below(100) < Percent; }

 private:
  std::uint64_t State;
};

class TCaseBuilder {
 public:
  explicit TCaseBuilder(std::uint64_t Seed) : Random(Seed) { Case.Seed = Seed; }

  TCase Build() {
    Case.Dutch = Random.Chance(25);
    // A few plain sentences, some of them differing only in case or a trailing blank, and the
    // warrant sentences of some pairs of them, in either language, recognised or not.
    static const char* const Names[] = {"a", "b", "c", "d", "e", "f", "g"};
    const unsigned Count = 2 + Random.Below(5);
    for (unsigned I = 0; I < Count; ++I)
      Plain.emplace_back(Names[I]);
    if (Random.Chance(20)) Plain.emplace_back("A");
    if (Random.Chance(20)) Plain.emplace_back("a ");
    Pool = Plain;
    const unsigned Warrants = Random.Below(6);
    for (unsigned I = 0; I < Warrants; ++I)
      Pool.push_back(WarrantOf(Pool));

    // Now and then the transcript is one of the shapes whose statements reach each other in
    // many ways: everything connected, a ring with chords, or a chain of paired reasons; and
    // now and then such a line with exceptions and warrants, which the user then changes,
    // steps back and forward through and deletes from, switching languages on the way.
    const unsigned Kind = Random.Below(100);
    if (Kind < 12) {
      ShapeTranscript();
    } else if (Kind < 27) {
      CycleHeavyCase();
      return Case;
    } else {
      Transcript();
    }
    const unsigned Operations = Random.Below(9);
    for (unsigned I = 0; I < Operations; ++I)
      Case.Operations.push_back(Operation());
    return Case;
  }

 private:
  std::string WarrantOf(const std::vector<std::string>& From) {
    const TLanguage Language = Random.Chance(70) ? TLanguage::English : TLanguage::Dutch;
    const std::string& R = From[Random.Below(static_cast<unsigned>(From.size()))];
    const std::string& C = From[Random.Below(static_cast<unsigned>(From.size()))];
    if (Random.Chance(35)) {
      const std::string& X = Plain[Random.Below(static_cast<unsigned>(Plain.size()))];
      return UndercutterWarrantSentence(X, R, C, Language);
    }
    const TConnectionKind Kind =
        Random.Chance(25) ? TConnectionKind::Defeating : TConnectionKind::Supporting;
    return StepWarrantSentence(R, C, Kind, Language);
  }
  const std::string& Sentence() {
    // Mostly plain sentences: the graph stays small enough for the cycles it may hold.
    if (Random.Chance(75)) return Plain[Random.Below(static_cast<unsigned>(Plain.size()))];
    return Pool[Random.Below(static_cast<unsigned>(Pool.size()))];
  }
  char Type() { return Random.Chance(60) ? '?' : '!'; }
  std::string Mark(const std::string& S) { return std::string("  ") + Type() + ": " + S; }

  void Transcript() {
    std::vector<std::string>& L = Case.Transcript;
    const unsigned Entries = Random.Below(15);
    const bool Marker = Random.Chance(15);
    const unsigned MarkerAt = Random.Below(Entries + 1);
    for (unsigned I = 0; I < Entries; ++I) {
      if (Marker && I == MarkerAt) {
        L.emplace_back("CURRENT POSITION");
        if (Random.Chance(70)) L.emplace_back("");
      }
      const unsigned What = Random.Below(100);
      if (What < 25) {
        L.insert(L.end(), {"STATEMENT", Mark(Sentence())});
      } else if (What < 55) {
        L.insert(L.end(), {"CONCLUSION", Mark(Sentence()), "REASON", Mark(Sentence())});
      } else if (What < 70) {
        L.insert(L.end(), {"EXCEPTION", Mark(Sentence()), "CONCLUSION", Mark(Sentence()), "REASON",
                           Mark(Sentence())});
      } else if (What < 82) {
        L.insert(L.end(), {"IF", " " + Sentence(), "THEN"});
        if (Random.Chance(30)) {
          L.insert(L.end(), {"IT IS DEFEATED THAT", Sentence()});
        } else {
          L.push_back(Sentence() + " ");
          if (Random.Chance(40)) L.insert(L.end(), {"UNLESS", Sentence()});
        }
      } else if (What < 88) {
        L.push_back(Random.Chance(50) ? Sentence() : "   ");
      } else if (What < 92) {
        L.insert(L.end(), {"STEP WARRANT", Sentence()});
      } else {
        // An entry cut short, here or at the end of the text.
        static const char* const Keywords[] = {"STATEMENT", "CONCLUSION", "EXCEPTION", "IF"};
        L.emplace_back(Keywords[Random.Below(4)]);
        if (Random.Chance(50)) L.push_back(Mark(Sentence()));
      }
    }
    if (Marker && MarkerAt == Entries) L.emplace_back("CURRENT POSITION");
  }

  // One connection of a shape: mostly a plain reason/conclusion entry, sometimes with an
  // exception taken from the shape, and sometimes followed by its step warrant as a statement.
  void ShapeConnection(const std::string& Conclusion, const std::string& Reason) {
    std::vector<std::string>& L = Case.Transcript;
    if (Random.Chance(12)) {
      L.insert(L.end(),
               {"EXCEPTION", Mark(Plain[Random.Below(static_cast<unsigned>(Plain.size()))]),
                "CONCLUSION", Mark(Conclusion), "REASON", Mark(Reason), ""});
    } else {
      L.insert(L.end(), {"CONCLUSION", Mark(Conclusion), "REASON", Mark(Reason), ""});
    }
    if (Random.Chance(10)) {
      const TLanguage Language =
          Random.Chance(80) == Case.Dutch ? TLanguage::Dutch : TLanguage::English;
      L.insert(
          L.end(),
          {"STATEMENT",
           Mark(StepWarrantSentence(Reason, Conclusion, TConnectionKind::Supporting, Language)),
           ""});
    }
  }

  void ShapeTranscript() {
    Plain.clear();
    const unsigned Shape = Random.Below(3);
    if (Shape == 0) {
      // Everything connected: each statement a reason for each other one. Four statements only
      // now and then: the reference model takes a while for them.
      const unsigned K = Random.Chance(8) ? 4 : 2 + Random.Below(2);
      for (unsigned I = 0; I < K; ++I)
        Plain.push_back("s" + std::to_string(I + 1));
      for (unsigned C = 0; C < K; ++C)
        for (unsigned R = 0; R < K; ++R)
          if (R != C) ShapeConnection(Plain[C], Plain[R]);
    } else if (Shape == 1) {
      // A ring with a chord from every second statement to the third one after it.
      const unsigned N = 3 + Random.Below(8);
      for (unsigned I = 0; I < N; ++I)
        Plain.push_back("r" + std::to_string(I));
      for (unsigned I = 0; I < N; ++I)
        ShapeConnection(Plain[(I + 1) % N], Plain[I]);
      for (unsigned I = 0; I < N; I += 2)
        ShapeConnection(Plain[(I + 3) % N], Plain[I]);
    } else {
      // A chain of levels, each statement with two reasons that share a reason of their own.
      const unsigned Levels = 2 + Random.Below(7);
      Plain.emplace_back("c0");
      for (unsigned L = 0; L < Levels; ++L) {
        const std::string Top = Plain.back();
        const std::string A = "a" + std::to_string(L);
        const std::string B = "b" + std::to_string(L);
        const std::string Next = "c" + std::to_string(L + 1);
        ShapeConnection(Top, A);
        ShapeConnection(Top, B);
        ShapeConnection(A, Next);
        ShapeConnection(B, Next);
        Plain.insert(Plain.end() - 1, {A, B});
        Plain.push_back(Next);
      }
    }
    Pool = Plain;
  }

  // A small group of statements that reach each other (all connected, or a ring with a chord),
  // exceptions on its connections from outside it and from inside it, the step and undercutter
  // warrants of some of its connections put forward in either language, and then moves on the
  // group mixed with Back, Forward, the three deletions and language switches; a switch between
  // two moves is followed by Back now and then, which must replay everything in the new
  // language.
  void CycleHeavyCase() {
    std::vector<std::string>& L = Case.Transcript;
    Plain.clear();
    const bool Ring = Random.Chance(35);
    const unsigned K = Ring ? 4 + Random.Below(3) : (Random.Chance(10) ? 4 : 3);
    for (unsigned I = 0; I < K; ++I)
      Plain.push_back("g" + std::to_string(I + 1));
    std::vector<std::pair<std::string, std::string>> Connections;  // (conclusion, reason)
    if (Ring) {
      for (unsigned I = 0; I < K; ++I)
        Connections.emplace_back(Plain[(I + 1) % K], Plain[I]);
      Connections.emplace_back(Plain[2], Plain[0]);
    } else {
      for (unsigned C = 0; C < K; ++C)
        for (unsigned R = 0; R < K; ++R)
          if (R != C) Connections.emplace_back(Plain[C], Plain[R]);
    }
    const auto Language = [this] {
      return Random.Chance(70) == Case.Dutch ? TLanguage::Dutch : TLanguage::English;
    };
    const auto Pick = [this](const auto& From) -> const auto& {
      return From[Random.Below(static_cast<unsigned>(From.size()))];
    };
    for (const auto& [Conclusion, Reason] : Connections)
      L.insert(L.end(), {"CONCLUSION", Mark(Conclusion), "REASON", Mark(Reason), ""});
    const unsigned Additions = 1 + Random.Below(5);
    for (unsigned I = 0; I < Additions; ++I) {
      const auto& [Conclusion, Reason] = Pick(Connections);
      const unsigned What = Random.Below(100);
      if (What < 45) {
        // An exception from outside the group (a new statement) or from inside it.
        const std::string X = Random.Chance(60) ? "x" + std::to_string(I + 1) : Pick(Plain);
        L.insert(L.end(), {"EXCEPTION", Mark(X), "CONCLUSION", Mark(Conclusion), "REASON",
                           Mark(Reason), ""});
        if (Random.Chance(40))
          L.insert(L.end(),
                   {"STATEMENT",
                    Mark(UndercutterWarrantSentence(X, Reason, Conclusion, Language())), ""});
      } else if (What < 80) {
        L.insert(
            L.end(),
            {"STATEMENT",
             Mark(StepWarrantSentence(Reason, Conclusion, TConnectionKind::Supporting, Language())),
             ""});
      } else {
        L.insert(L.end(), {"STATEMENT", Mark(Pick(Plain)), ""});
      }
    }
    if (Random.Chance(20))
      L.insert(L.end(), {"CURRENT POSITION", "", "STATEMENT", Mark("later"), ""});
    Pool = Plain;
    Pool.push_back("x1");

    const unsigned Operations = 2 + Random.Below(7);
    for (unsigned I = 0; I < Operations; ++I) {
      if (Random.Chance(15)) {
        // A switch between two moves, then Back.
        Case.Operations.push_back(GroupMove(Connections));
        Case.Operations.push_back(Simple(TOperation::TKind::SwitchLanguage));
        Case.Operations.push_back(GroupMove(Connections));
        Case.Operations.push_back(Simple(TOperation::TKind::Back));
        continue;
      }
      const unsigned What = Random.Below(100);
      if (What < 30)
        Case.Operations.push_back(GroupMove(Connections));
      else if (What < 52)
        Case.Operations.push_back(Simple(TOperation::TKind::Back));
      else if (What < 64)
        Case.Operations.push_back(Simple(TOperation::TKind::Forward));
      else if (What < 72)
        Case.Operations.push_back(Simple(TOperation::TKind::DeleteStatement));
      else if (What < 80)
        Case.Operations.push_back(Simple(TOperation::TKind::DeleteReasonConclusion));
      else if (What < 90)
        Case.Operations.push_back(Simple(TOperation::TKind::DeleteException));
      else
        Case.Operations.push_back(Simple(TOperation::TKind::SwitchLanguage));
    }
  }

  TOperation Simple(TOperation::TKind Kind) {
    TOperation Op;
    Op.Kind = Kind;
    Op.Pick = Random.Below(1000);
    for (int I = 0; I < 3; ++I)
      Op.Answers += Random.Chance(85) ? 'Y' : 'N';
    return Op;
  }

  // A move a user makes on the group: an exception on one of its connections, a connection
  // within it, or a statement (a member re-typed, or a new one).
  TOperation GroupMove(const std::vector<std::pair<std::string, std::string>>& Connections) {
    TOperation Op = Simple(TOperation::TKind::ExceptionMove);
    const auto& [Conclusion, Reason] =
        Connections[Random.Below(static_cast<unsigned>(Connections.size()))];
    const unsigned What = Random.Below(100);
    if (What < 50) {
      Op.Sentences = {Random.Chance(50) ? "y" + std::to_string(Random.Below(3))
                                        : Plain[Random.Below(static_cast<unsigned>(Plain.size()))],
                      Conclusion, Reason};
      Op.Types = std::string(1, Type()) + "??";
    } else if (What < 75) {
      Op.Kind = TOperation::TKind::ReasonConclusionMove;
      Op.Sentences = {Plain[Random.Below(static_cast<unsigned>(Plain.size()))],
                      Plain[Random.Below(static_cast<unsigned>(Plain.size()))]};
      Op.Types = "??";
    } else {
      Op.Kind = TOperation::TKind::StatementMove;
      Op.Sentences = {Random.Chance(50) ? Plain[Random.Below(static_cast<unsigned>(Plain.size()))]
                                        : "z" + std::to_string(Random.Below(3))};
      Op.Types = std::string(1, Type());
    }
    return Op;
  }

  TOperation Operation() {
    using TKind = TOperation::TKind;
    TOperation Op;
    const unsigned What = Random.Below(100);
    auto Move = [&](TKind Kind, int Sentences) {
      Op.Kind = Kind;
      for (int I = 0; I < Sentences; ++I) {
        Op.Sentences.push_back(Sentence());
        Op.Types += Type();
      }
    };
    if (What < 22)
      Move(TKind::StatementMove, 1);
    else if (What < 44)
      Move(TKind::ReasonConclusionMove, 2);
    else if (What < 56)
      Move(TKind::ExceptionMove, 3);
    else if (What < 62)
      Op.Kind = TKind::SwitchLanguage;
    else if (What < 74)
      Op.Kind = TKind::Back;
    else if (What < 82)
      Op.Kind = TKind::Forward;
    else if (What < 88)
      Op.Kind = TKind::DeleteStatement;
    else if (What < 94)
      Op.Kind = TKind::DeleteReasonConclusion;
    else
      Op.Kind = TKind::DeleteException;
    Op.Pick = Random.Below(1000);
    for (int I = 0; I < 3; ++I)
      Op.Answers += Random.Chance(75) ? 'Y' : 'N';
    return Op;
  }

  TRandom Random;
  TCase Case;
  std::vector<std::string> Plain;
  std::vector<std::string> Pool;
};

}  // namespace

TCase GenerateCase(std::uint64_t Seed) {
  return TCaseBuilder(Seed).Build();
}

std::string TranscriptText(const TCase& Case) {
  std::string Text;
  for (const std::string& Line : Case.Transcript)
    Text += Line + "\r\n";
  return Text;
}

}  // namespace palaver::differential
