#pragma once

#include <memory>
#include <string>
#include <vector>

#include "session/Language.h"

namespace palaver {

class TLineOfArgumentation;

// The program-wide state: each item exists once, for the whole run. The layers above the model
// read it under these names (the line of argumentation reads Language and InteractiveMoves and
// hands the language down to the model with each move; the replay clears InteractiveMoves and
// RefreshViews while it runs), which is why it lives in a header of its own with no
// dependencies. The model itself reads none of it: it is given what it needs. The main window is
// owned by main() and the dialogs by the main window, not by this struct.
struct TProgramState {
  // The current line of argumentation; New, Open, Back, Forward and the deletions replace it.
  std::shared_ptr<TLineOfArgumentation> LineOfArgumentation;
  // Transcript lines of the moves that Back has taken back and Forward can replay.
  std::vector<std::string> ForwardLines;
  // The forward lines are the unreplayed rest of a text whose replay stopped at a move past an
  // evaluation limit, from that move's entry to the text's end (its own marker included): Save
  // writes them back as they are, without a marker before them, and Forward replays them so.
  bool ForwardLinesAreRest = false;
  TLanguage Language = TLanguage::English;
  bool LoggingOn = false;
  std::string LogFileName;
  std::vector<std::string> LogLines;
  bool SavingAllowed = true;
  // False only while a transcript is replayed: moves then ask the user nothing.
  bool InteractiveMoves = true;
  // False only while a transcript is replayed: RefreshCurrentView then does nothing.
  bool RefreshViews = true;
  bool ArgumentsNotCoordinated = false;
};

// The one instance. Start-up (and every test that needs a clean slate) calls ResetProgramState.
inline TProgramState& State() {
  static TProgramState Instance;
  return Instance;
}

inline void ResetProgramState() {
  State() = TProgramState{};
}

}  // namespace palaver
