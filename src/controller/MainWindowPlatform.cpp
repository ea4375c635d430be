#include "controller/MainWindowPlatform.h"

namespace palaver {

TFileDialogOptions OpenDialogOptions(TLanguage Language) {
  TFileDialogOptions Options;
  // The Dutch filter names ".btg", but Save gives ".lin" in both languages: the filter lists
  // both, so a file just saved is found again.
  if (Language == TLanguage::Dutch)
    Options.Filters = {{"Betogen (*.btg;*.lin)", "*.btg;*.lin"}, {"Alle bestanden (*.*)", "*.*"}};
  else
    Options.Filters = {{"Lines of argumentation (*.lin)", "*.lin"}, {"All files (*.*)", "*.*"}};
  return Options;
}

TFileDialogOptions SaveDialogOptions(TLanguage Language) {
  TFileDialogOptions Options;
  if (Language == TLanguage::Dutch)
    Options.Filters = {{"Betogen (*.btg)", "*.btg"}, {"Ale bestanden (*.*)", "*.*"}};
  else
    Options.Filters = {{"Lines of argumentation (*.lin)", "*.lin"}, {"All files (*.*)", "*.*"}};
  // Also in Dutch: a name typed without extension gets ".lin".
  Options.DefaultExtension = "lin";
  Options.PromptOverwrite = true;
  return Options;
}

}  // namespace palaver
