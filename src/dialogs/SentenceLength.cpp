#include "dialogs/SentenceLength.h"

#include "model/GroupedDigits.h"
#include "transcript/TranscriptFile.h"

namespace palaver {

namespace {

const char* RoleName(TLanguage Language, TSentenceRole Role) {
  const bool Dutch = Language == TLanguage::Dutch;
  switch (Role) {
    case TSentenceRole::Statement:
      return Dutch ? "De bewering" : "The statement";
    case TSentenceRole::Reason:
      return Dutch ? "De reden" : "The reason";
    case TSentenceRole::Conclusion:
      return Dutch ? "De conclusie" : "The conclusion";
    case TSentenceRole::Exception:
      return Dutch ? "De uitzondering" : "The exception";
    case TSentenceRole::StepWarrant:
      return Dutch ? "De grond voor de reden/conclusie-stap" : "The step warrant";
    case TSentenceRole::UndercutterWarrant:
      return Dutch ? "De grond voor de uitzonderingsstap" : "The undercutter warrant";
  }
  return "";
}

}  // namespace

bool FitsTranscriptLine(const std::string& Sentence) {
  return Sentence.size() <= MaxSentenceLength;
}

std::string SentenceTooLongText(TLanguage Language, TSentenceRole Role, std::size_t Length) {
  const std::string Name = RoleName(Language, Role);
  const std::string Is = GroupedDigits(Length, Language);
  const std::string May = GroupedDigits(MaxSentenceLength, Language);
  const bool Warrant =
      Role == TSentenceRole::StepWarrant || Role == TSentenceRole::UndercutterWarrant;
  const bool Undercutter = Role == TSentenceRole::UndercutterWarrant;
  if (Language == TLanguage::Dutch) {
    std::string Text = "\r\n" + Name + (Warrant ? " zou te lang worden" : " is te lang") +
                       " om te bewaren: " + Is + " tekens, terwijl een bewering hoogstens " + May +
                       " tekens lang mag zijn. \r\n";
    if (Warrant)
      Text +=
          std::string("Maak ") +
          (Undercutter ? "de uitzondering, de reden of de conclusie" : "de reden of de conclusie") +
          " korter, of voeg de grond niet toe. \r\n";
    return Text +
           "(Een letter met een accent telt hier als twee tekens, sommige andere tekens als drie "
           "of vier.) ";
  }
  std::string Text = "\r\n" + Name + (Warrant ? " would be too long" : " is too long") +
                     " to be saved: " + Is + " characters, where a statement may be at most " +
                     May + " characters long. \r\n";
  if (Warrant)
    Text += std::string("Shorten ") +
            (Undercutter ? "the exception, the reason or the conclusion"
                         : "the reason or the conclusion") +
            ", or do not add the warrant. \r\n";
  return Text +
         "(A letter with an accent counts as two characters here, some other signs as three or "
         "four.) ";
}

}  // namespace palaver
