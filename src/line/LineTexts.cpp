#include "line/LineTexts.h"

#include "model/GroupedDigits.h"

namespace palaver {

namespace {

bool IsDutch(TLanguage Language) {
  return Language == TLanguage::Dutch;
}

// Why the move could not be made, as one sentence without its full stop.
std::string LimitReason(TLanguage Language, const TEvaluationLimitReached& Limit) {
  const std::string N = GroupedDigits(Limit.Limit, Language);
  if (Limit.Kind == TEvaluationLimitReached::TKind::Memory) {
    if (IsDutch(Language)) return "er was niet genoeg geheugen om het betoog te evalueren";
    return "there was not enough memory to evaluate the argumentation";
  }
  if (Limit.Kind == TEvaluationLimitReached::TKind::Comparisons) {
    if (IsDutch(Language))
      return "het vinden van de maximale dialectische argumenten zou meer dan " + N +
             " vergelijkingen vergen, meer dan Palaver voor een zet kan doen";
    return "finding its maximal dialectical arguments would take more than " + N +
           " comparisons, more than Palaver can make for one move";
  }
  if (IsDutch(Language))
    return "de beweringen op cirkels van redenen zouden samen meer dan " + N +
           " dialectische argumenten hebben, meer dan Palaver kan evalueren";
  return "the statements on cycles of reasons would together have more than " + N +
         " dialectical arguments, more than Palaver can evaluate";
}

}  // namespace

std::string EvaluationLimitText(TLanguage Language, const TEvaluationLimitReached& Limit) {
  if (IsDutch(Language))
    return "\r\nDe zet is niet gedaan: " + LimitReason(Language, Limit) +
           ". \r\nHet betoog is gebleven zoals het was. ";
  return "\r\nThe move was not made: " + LimitReason(Language, Limit) +
         ". \r\nThe line of argumentation is as it was. ";
}

std::string ReplayLimitText(TLanguage Language, const TEvaluationLimitReached& Limit, int Made) {
  if (IsDutch(Language))
    return "\r\nDe eerste " + GroupedDigits(static_cast<std::size_t>(Made), Language) +
           " zetten zijn gedaan. De volgende zet is niet gedaan: " + LimitReason(Language, Limit) +
           ". \r\nDie zet en alles erna zijn bewaard als volgende zetten; Bewaren schrijft ze "
           "terug zoals ze waren. ";
  return "\r\nThe first " + GroupedDigits(static_cast<std::size_t>(Made), Language) +
         " moves were made. The next move was not made: " + LimitReason(Language, Limit) +
         ". \r\nThat move and everything after it are kept as the forward moves; Save writes "
         "them back as they were. ";
}

std::string ReAddingStatementText(TLanguage Language, const std::string& Sentence) {
  if (IsDutch(Language))
    return "\r\n"
           "De bewering '" +
           Sentence +
           "' bestaat al. \r\n"
           "Opnieuw toevoegen kan niet. ";
  return "\r\n"
         "The statement '" +
         Sentence + "' already exists. \r\n" + "It cannot be added again. ";
}

std::string StatementOverrulingQuestion(TLanguage Language, const std::string& Sentence) {
  if (IsDutch(Language))
    return "\r\n"
           "De bewering '" +
           Sentence + "' bestaat al. \r\n" +
           "De bewering had een ander type dat zal worden aangepast. \r\n" +
           "Wilt u de bewering opnieuw toevoegen? ";
  return "\r\n"
         "The statement '" +
         Sentence + "' already exists. \r\n" + "Its type was different and " +
         "will be overruled. \r\n" + "Do you really want to add it again? ";
}

std::string OverrulingNote(TLanguage Language, TMoveRole Role, const std::string& Sentence,
                           bool InExceptionMove) {
  if (IsDutch(Language)) {
    const char* Opening = Role == TMoveRole::Exception ? "De uitzondering '"
                          : Role == TMoveRole::Reason  ? "De reden '"
                                                       : "De conclusie '";
    return Opening + Sentence + "' bestaat al. \r\n" +
           (InExceptionMove ? "Het type was anders en zal worden aangepast. "
                            : "Het type was anders en zal worden aangepast");
  }
  const char* Opening = Role == TMoveRole::Exception ? "The exception '"
                        : Role == TMoveRole::Reason  ? "The reason '"
                                                     : "The conclusion '";
  return Opening + Sentence + "' already exists. \r\n" + "Its type was different and " +
         "will be overruled. ";
}

std::string ReasonConclusionOverrulingQuestion(TLanguage Language, const std::string& Notes) {
  if (IsDutch(Language)) return Notes + "\r\n" + "Wilt u de reden en conclusie toevoegen?";
  return Notes + "\r\n" + "Do you really want to add the " + "reason and the conclusion?";
}

std::string ExceptionOverrulingQuestion(TLanguage Language, const std::string& Notes) {
  if (IsDutch(Language))
    return Notes + "\r\n" + "Wilt u de uitzondering, de reden en de conclusie invoeren?";
  return Notes + "\r\n" + "Do you really want to add the " +
         "exception, the reason and the conclusion?";
}

std::string NonExistingStatementText(TLanguage Language, const std::string& Sentence) {
  if (IsDutch(Language))
    return "De bewering '" + Sentence + "' is nog niet gedaan en kan niet verwijderd worden.";
  return "The statement '" + Sentence + "' has not yet been made and cannot be deleted.";
}

std::string DeleteStatementQuestion(TLanguage Language, const std::string& Sentence) {
  if (IsDutch(Language))
    return "Wilt u elk voorkomen van de bewering '" + Sentence + "' verwijderen?";
  return "Do you want to delete the statement '" + Sentence + "' and all its occurrences?";
}

std::string NonExistingReasonConclusionText(TLanguage Language, const std::string& Reason,
                                            const std::string& Conclusion) {
  if (IsDutch(Language))
    return "De bewering '" + Reason + "' is nog geen reden voor de concluise '" + Conclusion + "'.";
  return "The statement '" + Reason + "' is not yet a reason for the statement '" + Conclusion +
         "'.";
}

// The Dutch question lacks the quote before the reason; users have long seen it that way.
std::string DeleteReasonConclusionQuestion(TLanguage Language, const std::string& Reason,
                                           const std::string& Conclusion) {
  if (IsDutch(Language))
    return "Wilt u de verbinding tussen de reden\r\n" + Reason + "'\r\n" + "en de conclusie '" +
           Conclusion + "' verwijderen?";
  return "Do you want to delete the connection\r\nbetween the reason '" + Reason + "'\r\n" +
         "and the conclusion '" + Conclusion + "'?";
}

// Both languages name the conclusion without its opening quote.
std::string NonExistingExceptionText(TLanguage Language, const std::string& Exception,
                                     const std::string& Reason, const std::string& Conclusion) {
  if (IsDutch(Language))
    return "De bewering '" + Exception + "'\r\n" +
           "is nog geen uitzondering die de verbinding tussen de reden '" + Reason + "'\r\n" +
           "en de conclusie " + Conclusion + "' blokkeert.";
  return "The statement '" + Exception + "'\r\n" +
         "is not yet an exception blocking the connection\r\n" + "between the reason '" + Reason +
         "'\r\n" + "and the conclusion " + Conclusion + "'.";
}

std::string DeleteExceptionQuestion(TLanguage Language, const std::string& Exception,
                                    const std::string& Reason, const std::string& Conclusion) {
  if (IsDutch(Language))
    return "Wilt u de uitzondering '" + Exception + "'\r\n" +
           "die de verbinding tussen de reden '" + Reason + "'\r\n" + "en de conclusie " +
           Conclusion + "' blokkeert, verwijderen?";
  return "Do you want to delete the exception '" + Exception + "'\r\n" +
         "blocking the connection between the reason '" + Reason + "'\r\n" + "and the conclusion " +
         Conclusion + "'?";
}

}  // namespace palaver
