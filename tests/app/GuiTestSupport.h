#pragma once

#include <QApplication>
#include <QtTest>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/ArgIntForm.h"
#include "controller/HeadlessPlatform.h"
#include "line/LineOfArgumentation.h"
#include "model/Statement.h"
#include "session/ProgramState.h"
#include "session/TemporaryDirectory.h"
#include "support/FixedClock.h"

namespace palaver::guitest {

using palaver::testing::ReadBytes;
using palaver::testing::TTemporaryDirectory;
using palaver::testing::WriteBytes;
using TLines = std::vector<std::string>;

// File dialogs that answer from a queue (an empty queue cancels) and remember what was asked.
class TScriptedFileDialogs final : public TFileDialogs {
 public:
  std::deque<std::optional<std::string>> Answers;
  std::vector<TFileDialogRequest> Shown;

  std::optional<std::string> Execute(const TFileDialogRequest& Request) override {
    Shown.push_back(Request);
    if (Answers.empty()) return std::nullopt;
    std::optional<std::string> Answer = Answers.front();
    Answers.pop_front();
    return Answer;
  }
};

using test::TFixedClock;

// One run of the program in a temporary program directory, with scripted message boxes and
// file dialogs and a fixed clock. Write the settings file before Start.
class TProgramRun {
 public:
  TTemporaryDirectory Dir;
  TScriptedMessageBoxes Boxes;
  TScriptedFileDialogs Dialogs;
  TFixedClock Clock;
  std::unique_ptr<TArgIntForm> Form;

  TProgramRun() { Boxes.DefaultAnswer = TAnswer::Cancel; }
  ~TProgramRun() {
    Form.reset();
    ResetProgramState();
  }

  std::string SettingsPath() const { return Dir.File("Palaver.ini"); }
  void WriteSettings(const std::string& Text) const { WriteBytes(SettingsPath(), Text); }
  std::string Settings() const { return ReadBytes(SettingsPath()); }

  // Creates the window and shows it, as start-up does.
  TArgIntForm& Start() {
    Form = std::make_unique<TArgIntForm>(Dir.Path(), TArgIntFormServices{&Boxes, &Dialogs, &Clock});
    Form->show();
    return *Form;
  }

  // The lines of the log file with the given number, without their line ends.
  TLines LogFile(int Number = 0) const {
    const std::string Bytes =
        ReadBytes(Dir.File("PalaverUserAction" + std::to_string(Number) + ".log"));
    TLines Lines;
    std::size_t Start = 0;
    for (std::size_t End; (End = Bytes.find("\r\n", Start)) != std::string::npos; Start = End + 2)
      Lines.push_back(Bytes.substr(Start, End - Start));
    return Lines;
  }
  // The texts logged after the window was shown, without their time stamps.
  TLines LoggedSinceShow() const {
    TLines Texts;
    const TLines Lines = LogFile();
    for (std::size_t I = 6; I < Lines.size(); ++I)
      Texts.push_back(Clock.Unstamped(Lines[I]));
    return Texts;
  }
  // The texts logged since the given count of texts.
  TLines LoggedAfter(std::size_t Count) const {
    TLines All = LoggedSinceShow();
    return Count < All.size() ? TLines(All.begin() + static_cast<long>(Count), All.end())
                              : TLines();
  }
};

inline TLineOfArgumentation& Line() {
  return *State().LineOfArgumentation;
}

// The current stage's statements as type mark and sentence, e.g. "?a".
inline TLines StageStatements() {
  TLines Result;
  for (const PStatement& S : Line().CurrentStage->Statements)
    Result.push_back(TypeMark(S->StatementType) + S->Sentence);
  return Result;
}

inline PStatement Issue(const std::string& Sentence) {
  return NewStatement(Sentence, TStatementType::Issue);
}

inline PStatement Assumption(const std::string& Sentence) {
  return NewStatement(Sentence, TStatementType::Assumption);
}

inline PReasonConclusion Connection(PStatement Reason, PStatement Conclusion) {
  PReasonConclusion C = NewReasonConclusion();
  C->Reason = std::move(Reason);
  C->Conclusion = std::move(Conclusion);
  return C;
}

inline std::string DataFile(const std::string& Name) {
  return std::string(PALAVER_TEST_DATA_DIR) + "/" + Name;
}

}  // namespace palaver::guitest

// The main of a GUI test program: headless unless a platform is asked for.
#define PALAVER_GUI_TEST_MAIN(TestClass)                                                        \
  int main(int argc, char** argv) {                                                             \
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
    QApplication Application(argc, argv);                                                       \
    TestClass Test;                                                                             \
    return QTest::qExec(&Test, argc, argv);                                                     \
  }
