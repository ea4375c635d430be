#include "CaseGenerator.h"

#include "model/Language.h"
#include "model/Statement.h"
#include "model/WarrantSentences.h"

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
    if (Random.Chance(20)) Plain.push_back("A");
    if (Random.Chance(20)) Plain.push_back("a ");
    Pool = Plain;
    const unsigned Warrants = Random.Below(6);
    for (unsigned I = 0; I < Warrants; ++I)
      Pool.push_back(WarrantOf(Pool));

    Transcript();
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
        L.push_back(Keywords[Random.Below(4)]);
        if (Random.Chance(50)) L.push_back(Mark(Sentence()));
      }
    }
    if (Marker && MarkerAt == Entries) L.emplace_back("CURRENT POSITION");
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
