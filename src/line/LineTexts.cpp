#include "line/LineTexts.h"

namespace palaver {

namespace {

bool IsDutch(TLanguage Language) {
  return Language == TLanguage::Dutch;
}

}  // namespace

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
