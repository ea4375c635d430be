#include "views/DiagramToolTips.h"

#include <vector>

#include "views/DiagramLayout.h"

namespace palaver {

namespace {

// Sentences are named by their first characters only; a tooltip is read at a glance.
constexpr std::size_t ExcerptLength = 32;

// The words of the tooltips, one set per language.
struct TToolTipWords {
  const char* Statement;
  const char* Issue;
  const char* Assumption;
  const char* JustifiedWord;
  const char* UnjustifiedWord;
  const char* NotEvaluatedWord;
  const char* Justified;
  const char* Unjustified;
  const char* AssumptionTakenForGranted;
  const char* NoReasonGiven;
  const char* SupportedBy;
  const char* NotSupportedBy;
  const char* FollowsFrom;
  const char* DoesNotFollowFrom;
  const char* Reason;
  const char* DefeatingReason;
  const char* Warrant;
  const char* Exception;
  const char* BlockedBy;
  const char* NotBlockedBy;
};

constexpr TToolTipWords EnglishWords{"Statement",
                                     "issue",
                                     "assumption",
                                     "justified",
                                     "unjustified",
                                     "not evaluated",
                                     "Justified",
                                     "Unjustified",
                                     "an assumption is taken for granted",
                                     "no reason is given for it",
                                     "supported by",
                                     "not supported by",
                                     "follows from",
                                     "does not follow from",
                                     "reason",
                                     "defeating reason",
                                     "warrant",
                                     "exception",
                                     "blocked by",
                                     "not blocked by"};

constexpr TToolTipWords DutchWords{"Bewering",
                                   "kwestie",
                                   "aanname",
                                   "gerechtvaardigd",
                                   "ongerechtvaardigd",
                                   "niet beoordeeld",
                                   "Gerechtvaardigd",
                                   "Ongerechtvaardigd",
                                   "een aanname wordt zonder reden aanvaard",
                                   "er is geen reden voor gegeven",
                                   "gesteund door",
                                   "niet gesteund door",
                                   "volgt uit",
                                   "volgt niet uit",
                                   "reden",
                                   "weerleggende reden",
                                   "grond",
                                   "uitzondering",
                                   "geblokkeerd door",
                                   "niet geblokkeerd door"};

const TToolTipWords& WordsFor(TLanguage Language) {
  return Language == TLanguage::Dutch ? DutchWords : EnglishWords;
}

const char* StatusWord(TJustificationStatus Status, const TToolTipWords& W) {
  switch (Status) {
    case TJustificationStatus::Justified:
      return W.JustifiedWord;
    case TJustificationStatus::Unjustified:
      return W.UnjustifiedWord;
    case TJustificationStatus::NotEvaluated:
      break;
  }
  return W.NotEvaluatedWord;
}

bool IsJustified(const TDialecticalArgument* D) {
  return D != nullptr && D->Status == TJustificationStatus::Justified;
}

template <class T>
const T* Element(const TObjectList<T>& List, int Index) {
  return Index < List.Count() ? List[Index].get() : nullptr;
}

std::string Reference(const PStatement& S) {
  return S ? StatementReference(*S) : std::string("?");
}

std::string ConclusionReference(const TDialecticalArgument* D) {
  return D != nullptr ? Reference(D->Conclusion) : std::string("?");
}

// Why one step of an issue gives support or not, as one phrase; Supports tells which.
std::string StepPhrase(const TStep& T, const TDialecticalArgument* Reason, const TToolTipWords& W,
                       bool& Supports) {
  const bool Defeating = T.ConnectionKind == TConnectionKind::Defeating;
  const std::string Role = Defeating ? W.DefeatingReason : W.Reason;
  const std::string ReasonPart = Reference(T.Reason) + " (" + Role;
  const std::string Negative =
      std::string(Defeating ? W.DoesNotFollowFrom : W.NotSupportedBy) + " " + ReasonPart;
  Supports = false;
  if (T.WarrantUnjustified)
    return Negative + "): " + W.Warrant + " " +
           ConclusionReference(T.WarrantingDialecticalArgument.get()) + " " + W.UnjustifiedWord;
  if (!IsJustified(Reason)) return Negative + ", " + W.UnjustifiedWord + ")";

  // The same test as the status computation: an exception blocks the step when it is justified
  // and its undercutter warrant, if it is a statement, is justified too.
  std::string Blocking;
  std::string NotBlocking;
  for (int J = 0; J < T.Undercutters.Count(); ++J) {
    const TUndercutter* U = T.Undercutters[J].get();
    if (U == nullptr) continue;
    const std::string Exception = Reference(U->Exception) + " (" + W.Exception + ", ";
    if (U->WarrantUnjustified) {
      NotBlocking += std::string(", ") + W.NotBlockedBy + " " + Exception + W.Warrant + " " +
                     ConclusionReference(U->WarrantingDialecticalArgument.get()) + " " +
                     W.UnjustifiedWord + ")";
    } else if (IsJustified(Element(T.UndercuttingDialecticalArguments, J))) {
      Blocking += (Blocking.empty() ? "" : ", ") + Exception + W.JustifiedWord + ")";
    } else {
      NotBlocking += std::string(", ") + W.NotBlockedBy + " " + Exception + W.UnjustifiedWord + ")";
    }
  }
  if (!Blocking.empty()) return Negative + "): " + W.BlockedBy + " " + Blocking;

  Supports = true;
  std::string Phrase =
      std::string(Defeating ? W.FollowsFrom : W.SupportedBy) + " " + ReasonPart + ")";
  if (T.WarrantingDialecticalArgument)
    Phrase += std::string(", ") + W.Warrant + " " +
              ConclusionReference(T.WarrantingDialecticalArgument.get()) + " " + W.JustifiedWord;
  return Phrase + NotBlocking;
}

// "Justified: phrase", or the phrases one per line when there are several.
std::string StatusLine(const char* Status, const std::vector<std::string>& Phrases) {
  if (Phrases.empty()) return Status;
  if (Phrases.size() == 1) return std::string(Status) + ": " + Phrases.front();
  std::string Line = std::string(Status) + ":";
  for (const std::string& Phrase : Phrases)
    Line += "\n- " + Phrase;
  return Line;
}

std::string Explanation(const TStatement& S, const TDialecticalArgument& D,
                        const TToolTipWords& W) {
  if (D.Status == TJustificationStatus::NotEvaluated) return {};
  const bool Justified = D.Status == TJustificationStatus::Justified;
  const char* Status = Justified ? W.Justified : W.Unjustified;
  if (S.StatementType == TStatementType::Assumption)
    return StatusLine(Status, {W.AssumptionTakenForGranted});
  if (D.Steps.Empty()) return StatusLine(Status, {W.NoReasonGiven});

  // A justified issue owes its status to the steps that support it; an unjustified one is
  // explained by what stops each of its steps.
  std::vector<std::string> Phrases;
  for (int I = 0; I < D.Steps.Count(); ++I) {
    const TStep* T = D.Steps[I].get();
    if (T == nullptr) continue;
    bool Supports = false;
    std::string Phrase = StepPhrase(*T, Element(D.InitialDialecticalArguments, I), W, Supports);
    if (Supports == Justified) Phrases.push_back(std::move(Phrase));
  }
  return StatusLine(Status, Phrases);
}

}  // namespace

std::string StatementReference(const TStatement& S) {
  std::string Text = BoxText(S.Sentence);
  if (Text.size() > ExcerptLength) {
    // Cut on a character boundary: never inside a UTF-8 sequence.
    std::size_t End = ExcerptLength;
    while (End > 0 && (static_cast<unsigned char>(Text[End]) & 0xC0) == 0x80)
      --End;
    Text = Text.substr(0, End) + "\xE2\x80\xA6";
  }
  return (S.Id.empty() ? std::string() : S.Id + " ") + "\"" + Text + "\"";
}

std::string BoxToolTip(const TStatement& S, const TDialecticalArgument* D, TLanguage Language) {
  const TToolTipWords& W = WordsFor(Language);
  const TJustificationStatus Status = D != nullptr ? D->Status : S.JustificationStatus;
  std::string Text = std::string(W.Statement) + (S.Id.empty() ? "" : " " + S.Id) + ": " +
                     (S.StatementType == TStatementType::Assumption ? W.Assumption : W.Issue) +
                     ", " + StatusWord(Status, W);
  if (D != nullptr) {
    const std::string Why = Explanation(S, *D, W);
    if (!Why.empty()) Text += "\n" + Why;
  }
  return Text;
}

}  // namespace palaver
