#include "views/DiagramLegend.h"

#include <utility>

#include "model/WarrantSentences.h"

namespace palaver {

namespace {

constexpr auto Justified = TJustificationStatus::Justified;
constexpr auto Unjustified = TJustificationStatus::Unjustified;

// The legend's own small trees, built as the status computation would build them for a line
// with these statements; they never touch the user's line.
struct TExampleBuilder {
  TLanguage Language;

  const char* Conclusion() const {
    return Language == TLanguage::Dutch ? "conclusie" : "conclusion";
  }
  const char* Reason() const { return Language == TLanguage::Dutch ? "reden" : "reason"; }
  const char* Exception() const {
    return Language == TLanguage::Dutch ? "uitzondering" : "exception";
  }
  const char* Statement() const { return Language == TLanguage::Dutch ? "bewering" : "statement"; }

  static PDialecticalArgument Dial(std::string Sentence, TStatementType Type,
                                   TJustificationStatus Status) {
    auto D = std::make_shared<TDialecticalArgument>();
    D->Conclusion = NewStatement(std::move(Sentence), Type);
    D->Conclusion->JustificationStatus = Status;
    D->Status = Status;
    return D;
  }

  static TStep& AddStep(TDialecticalArgument& D, PDialecticalArgument Reason,
                        TConnectionKind Kind = TConnectionKind::Supporting) {
    auto S = std::make_shared<TStep>();
    S->Conclusion = D.Conclusion;
    S->Reason = Reason->Conclusion;
    S->ConnectionKind = Kind;
    D.Steps.Add(S);
    D.InitialDialecticalArguments.Add(std::move(Reason));
    return *S;
  }

  static TUndercutter& AddUndercutter(TStep& S, PDialecticalArgument Exception) {
    auto U = std::make_shared<TUndercutter>();
    U->Exception = Exception->Conclusion;
    U->Conclusion = S.Conclusion;
    U->Reason = S.Reason;
    S.Undercutters.Add(U);
    S.UndercuttingDialecticalArguments.Add(std::move(Exception));
    return *U;
  }

  PDialecticalArgument Box(TStatementType Type, TJustificationStatus Status) const {
    return Dial(Statement(), Type, Status);
  }

  // An issue concluded from an assumption (or, when the reason is unjustified, from an issue).
  PDialecticalArgument Step(TJustificationStatus ConclusionStatus,
                            TJustificationStatus ReasonStatus,
                            TConnectionKind Kind = TConnectionKind::Supporting) const {
    PDialecticalArgument C = Dial(Conclusion(), TStatementType::Issue, ConclusionStatus);
    const TStatementType ReasonType =
        ReasonStatus == Justified ? TStatementType::Assumption : TStatementType::Issue;
    AddStep(*C, Dial(Reason(), ReasonType, ReasonStatus), Kind);
    return C;
  }

  // A step whose warrant is an issue nobody has argued for.
  PDialecticalArgument StepWithUnjustifiedWarrant() const {
    PDialecticalArgument C = Step(Unjustified, Justified);
    TStep& S = *C->Steps[0];
    S.WarrantingDialecticalArgument =
        Dial(StepWarrantSentence(Reason(), Conclusion(), TConnectionKind::Supporting, Language),
             TStatementType::Issue, Unjustified);
    S.WarrantUnjustified = true;
    return C;
  }

  // A step with one exception: an assumption blocks it, an issue without reasons does not.
  PDialecticalArgument StepWithException(bool Active) const {
    PDialecticalArgument C = Step(Active ? Unjustified : Justified, Justified);
    AddUndercutter(*C->Steps[0], Active ? Dial(Exception(), TStatementType::Assumption, Justified)
                                        : Dial(Exception(), TStatementType::Issue, Unjustified));
    return C;
  }

  // A justified exception whose undercutter warrant is an unjustified issue: it does not count.
  PDialecticalArgument ExceptionWithUnjustifiedWarrant() const {
    PDialecticalArgument C = Step(Justified, Justified);
    TUndercutter& U =
        AddUndercutter(*C->Steps[0], Dial(Exception(), TStatementType::Assumption, Justified));
    U.WarrantingDialecticalArgument =
        Dial(UndercutterWarrantSentence(Exception(), Reason(), Conclusion(), Language),
             TStatementType::Issue, Unjustified);
    U.WarrantUnjustified = true;
    return C;
  }
};

struct TExplanation {
  TLegendMark Mark;
  const char* English;
  const char* Dutch;
};

// One line each; the menu path of the last one is the captions' own.
constexpr TExplanation Explanations[] = {
    {TLegendMark::JustifiedBox, "Blue, bold: the statement is justified. ! marks an assumption.",
     "Blauw, vet: de bewering is gerechtvaardigd. ! staat voor een aanname."},
    {TLegendMark::UnjustifiedBox, "Teal, italic: the statement is not justified. ? marks an issue.",
     "Groenblauw, cursief: de bewering is niet gerechtvaardigd. ? staat voor een kwestie."},
    {TLegendMark::SupportingStep,
     "An arrow runs up from a reason to its conclusion; blue: the step supports the conclusion.",
     "Een pijl loopt van een reden omhoog naar haar conclusie; blauw: de stap steunt de "
     "conclusie."},
    {TLegendMark::DefeatingStep,
     "A cross instead of an arrowhead: a defeating step, the reason speaks against the "
     "conclusion.",
     "Een kruis in plaats van een pijlpunt: een weerleggende stap, de reden pleit tegen de "
     "conclusie."},
    {TLegendMark::UnjustifiedReason,
     "Teal arrow: the reason is not justified, so the step gives no support.",
     "Groenblauwe pijl: de reden is niet gerechtvaardigd, dus de stap geeft geen steun."},
    {TLegendMark::UnjustifiedStepWarrant,
     "Grey dotted arrow: the step's warrant (the box above its reason) is not justified, so the "
     "step gives no support.",
     "Grijze stippelpijl: de grond van de stap (het kader boven de reden) is niet "
     "gerechtvaardigd, dus de stap geeft geen steun."},
    {TLegendMark::ActiveException,
     "Red line and cross on a step: a justified exception blocks the step, whose arrow turns "
     "teal.",
     "Rode lijn met kruis op een stap: een gerechtvaardigde uitzondering blokkeert de stap, "
     "waarvan de pijl groenblauw wordt."},
    {TLegendMark::InactiveException,
     "Teal line and cross: the exception is not justified and does not block the step.",
     "Groenblauwe lijn met kruis: de uitzondering is niet gerechtvaardigd en blokkeert de stap "
     "niet."},
    {TLegendMark::UnjustifiedUndercutterWarrant,
     "Grey dotted line to a cross: the exception's warrant (the box above it) is not justified, "
     "so the exception does not block the step.",
     "Grijze stippellijn naar een kruis: de grond van de uitzondering (het kader erboven) is niet "
     "gerechtvaardigd, dus de uitzondering blokkeert de stap niet."},
    {TLegendMark::StructureOnly,
     "Options > Show structure only: the same diagram in black, without colours, styles or "
     "icons.",
     "Opties > Toon alleen structuur: hetzelfde schema in zwart, zonder kleuren, stijlen of "
     "pictogrammen."},
};

TDialecticalArguments One(PDialecticalArgument D) {
  TDialecticalArguments List;
  List.Add(std::move(D));
  return List;
}

}  // namespace

std::vector<TLegendEntry> DiagramLegend(TLanguage Language) {
  const TExampleBuilder B{Language};
  std::vector<TLegendEntry> Entries;
  for (const TExplanation& Row : Explanations) {
    TLegendEntry Entry{Row.Mark, {}, false, Language == TLanguage::Dutch ? Row.Dutch : Row.English};
    switch (Row.Mark) {
      case TLegendMark::JustifiedBox:
        Entry.Example = One(B.Box(TStatementType::Assumption, Justified));
        break;
      case TLegendMark::UnjustifiedBox:
        Entry.Example = One(B.Box(TStatementType::Issue, Unjustified));
        break;
      case TLegendMark::SupportingStep:
        Entry.Example = One(B.Step(Justified, Justified));
        break;
      case TLegendMark::DefeatingStep:
        // A defeating step from a justified reason justifies its conclusion, as a supporting
        // one does: the kind changes only the drawing and the warrant's wording.
        Entry.Example = One(B.Step(Justified, Justified, TConnectionKind::Defeating));
        break;
      case TLegendMark::UnjustifiedReason:
        Entry.Example = One(B.Step(Unjustified, Unjustified));
        break;
      case TLegendMark::UnjustifiedStepWarrant:
        Entry.Example = One(B.StepWithUnjustifiedWarrant());
        break;
      case TLegendMark::ActiveException:
        Entry.Example = One(B.StepWithException(true));
        break;
      case TLegendMark::InactiveException:
        Entry.Example = One(B.StepWithException(false));
        break;
      case TLegendMark::UnjustifiedUndercutterWarrant:
        Entry.Example = One(B.ExceptionWithUnjustifiedWarrant());
        break;
      case TLegendMark::StructureOnly:
        Entry.Example = One(B.StepWithException(true));
        Entry.ShowStructureOnly = true;
        break;
    }
    Entries.push_back(std::move(Entry));
  }
  return Entries;
}

std::string LegendTitle(TLanguage Language) {
  return Language == TLanguage::Dutch ? "Legenda" : "Legend";
}

std::string LegendIntroduction(TLanguage Language) {
  return Language == TLanguage::Dutch
             ? "Wijs in het schema een kader aan: de tip noemt het nummer en het type van de "
               "bewering en zegt waarom ze wel of niet gerechtvaardigd is."
             : "Point at a box in the diagram: its tip gives the statement's number and type and "
               "says why it is justified or not.";
}

std::string LegendNavigation(TLanguage Language) {
  return Language == TLanguage::Dutch
             ? "Ctrl+Plus, Ctrl+Min en Ctrl+0 (of Ctrl met het muiswiel) zoomen het schema in, uit "
               "en terug naar de normale grootte; Ctrl+F zoekt een bewering, F3 gaat naar de "
               "volgende en Shift+F3 naar de vorige. De rechter muisknop (of de menutoets) "
               "kopieert, "
               "exporteert en drukt het schema af."
             : "Ctrl+Plus, Ctrl+Minus and Ctrl+0 (or Ctrl and the mouse wheel) zoom the diagram "
               "in, "
               "out and back to its normal size; Ctrl+F finds a statement, F3 goes to the next one "
               "and Shift+F3 to the previous one. The right mouse button (or the Menu key) copies, "
               "exports and prints the diagram.";
}

}  // namespace palaver
