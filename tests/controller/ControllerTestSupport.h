#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../line/LineTestSupport.h"
#include "controller/HeadlessPlatform.h"
#include "controller/MainWindowCore.h"
#include "transcript/TranscriptFormat.h"

namespace palaver::test {

// A main window core on the headless platform, started as the program starts: a new line and
// the diagram view. The log goes to a temporary directory, which also takes the test's files.
class TranscriptTest : public ::testing::Test {
 protected:
  TranscriptTest() {
    Platform.ButtonDown = TViewButton::Arguments;
    Core.NewLineOfArgumentation();
  }

  static TLineOfArgumentation& Line() { return *State().LineOfArgumentation; }
  static TLines Transcript() { return TranscriptOfLine(Line()); }
  // The current stage's statements as mark and sentence, e.g. "?a", in stage order.
  static TLines Statements() {
    TLines Result;
    for (const PStatement& S : Line().CurrentStage->Statements)
      Result.push_back(TypeMark(S->StatementType) + S->Sentence);
    return Result;
  }
  // Replays Lines into a fresh line, as Open does after reading a file.
  void Replay(const TLines& Lines) {
    Platform.ViewLines = Lines;
    Core.InterpretTranscript();
  }

  std::string PathOf(const std::string& Name) const { return Log.Dir + "/" + Name; }
  static std::string ReadBytes(const std::string& Path) {
    std::ifstream In(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(In), {});
  }
  static void WriteBytes(const std::string& Path, const std::string& Bytes) {
    std::ofstream(Path, std::ios::binary) << Bytes;
  }
  static std::string DataFile(const std::string& Name) {
    return std::string(PALAVER_TEST_DATA_DIR) + "/" + Name;
  }

  TCleanState Clean;
  TLogCapture Log;
  THeadlessPlatform Platform;
  TMainWindowCore Core{Platform};
};

}  // namespace palaver::test
