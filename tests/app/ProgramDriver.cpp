// Not a test: Palaver's own start-up and event loop (RunPalaver) in the program directory given
// as the first argument, driven through its standard input by a test in another process, which
// can then kill it, end it with a signal or start another one beside it.
//
//   palaver_program_driver DIR [ANSWER...]
//
// The message boxes answer with the ANSWERs in turn ("yes", "no" or "cancel"; Cancel once they
// are used up) and print what they show. Commands, one per line:
//   statement TEXT   the Issue TEXT as a statement move
//   back             Back (button)
//   exit             File, Exit
//   state            prints "state FILENAME|CHANGED|TITLE|STATEMENTS" (statements as "?a,!b")
// After start-up, and after each command once what the command scheduled has run, it prints
// "ready". Output lines are flushed at once.

#include <unistd.h>
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <deque>
#include <string>

#include "app/RunPalaver.h"
#include "line/LineOfArgumentation.h"
#include "session/MessageBoxes.h"
#include "session/ProgramState.h"

namespace {

using namespace palaver;

void Print(const std::string& Line) {
  std::string Text = Line;
  for (std::size_t At; (At = Text.find("\r\n")) != std::string::npos;)
    Text.replace(At, 2, "\\n");
  std::fputs((Text + "\n").c_str(), stdout);
  std::fflush(stdout);
}

class TPrintingBoxes final : public TMessageBoxes {
 public:
  std::deque<TAnswer> Answers;

  void Warning(const std::string& Text) override { Print("box Warning: " + Text); }
  TAnswer WarningYesNo(const std::string& Text) override { return Ask("WarningYesNo", Text); }
  TAnswer WarningYesNoCancel(const std::string& Text) override {
    return Ask("WarningYesNoCancel", Text);
  }
  TAnswer Confirmation(const std::string& Text) override { return Ask("Confirmation", Text); }
  void ShowError(const std::string& Text) override { Print("box Error: " + Text); }

 private:
  TAnswer Ask(const char* Kind, const std::string& Text) {
    Print(std::string("box ") + Kind + ": " + Text);
    if (Answers.empty()) return TAnswer::Cancel;
    const TAnswer Answer = Answers.front();
    Answers.pop_front();
    return Answer;
  }
};

std::string StateLine(const TArgIntForm& Form) {
  const TLineOfArgumentation& Line = *State().LineOfArgumentation;
  std::string Statements;
  for (const PStatement& S : Line.CurrentStage->Statements)
    Statements +=
        std::string(Statements.empty() ? "" : ",") + TypeMark(S->StatementType) + S->Sentence;
  return "state " + Line.FileName + "|" + (Line.Changed ? "1" : "0") + "|" + Form.Title() + "|" +
         Statements;
}

void RunCommand(TArgIntForm& Form, const std::string& Command) {
  if (Command.rfind("statement ", 0) == 0)
    Form.Core().StatementMove(NewStatement(Command.substr(10), TStatementType::Issue));
  else if (Command == "back")
    Form.BackButtonClick();
  else if (Command == "exit")
    Form.Exit1Click();
  else if (Command == "state")
    Print(StateLine(Form));
  else
    Print("unknown command: " + Command);
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication Application(argc, argv);
  if (argc < 2) {
    std::fputs("usage: palaver_program_driver DIR [ANSWER...]\n", stderr);
    return 2;
  }
  TPrintingBoxes Boxes;
  for (int I = 2; I < argc; ++I) {
    const std::string Answer = argv[I];
    Boxes.Answers.push_back(Answer == "yes"  ? TAnswer::Yes
                            : Answer == "no" ? TAnswer::No
                                             : TAnswer::Cancel);
  }

  QSocketNotifier Input(0, QSocketNotifier::Read);
  Input.setEnabled(false);
  std::string Pending;
  return RunPalaver(argv[1], TArgIntFormServices{&Boxes, nullptr, nullptr}, [&](TArgIntForm& Form) {
    // Posted after the start-up question, which the window posts when it is first shown.
    QTimer::singleShot(0, &Form, [&] {
      Print("ready");
      Input.setEnabled(true);
    });
    QObject::connect(&Input, &QSocketNotifier::activated, &Form, [&] {
      char Buffer[4096];
      const auto Count = ::read(0, Buffer, sizeof Buffer);
      if (Count <= 0) {
        Input.setEnabled(false);
        return;
      }
      Pending.append(Buffer, static_cast<std::size_t>(Count));
      for (std::size_t End; (End = Pending.find('\n')) != std::string::npos;) {
        const std::string Command = Pending.substr(0, End);
        Pending.erase(0, End + 1);
        RunCommand(Form, Command);
        QTimer::singleShot(0, &Form, [] { Print("ready"); });
      }
    });
  });
}
