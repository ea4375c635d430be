// The recovery copy of an unsaved line at 10,000 moves: what writing it costs beside the move it
// follows. The line is the target argumentation of about 10,000 statements (TargetShape.h),
// replayed through the window's core as Open does and made up to 10,000 moves with statement
// moves; the copy goes to a temporary directory.
//
//   recovery/keep           one KeepRecovery: the lines a Save writes, the file's text, written
//                           beside the copy and renamed over it
//   recovery/text           the same without the file: building the lines and the text
//   recovery/statement-move one statement move through the core, without the copy
//   recovery/move-and-keep  the move and then its copy, as the window does them
//
// Run on an optimised build (build/dev is RelWithDebInfo).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "TargetShape.h"
#include "controller/HeadlessPlatform.h"
#include "controller/MainWindowCore.h"
#include "line/LineOfArgumentation.h"
#include "session/ProgramState.h"
#include "transcript/RecoveryFile.h"
#include "transcript/TranscriptFormat.h"

namespace {

using namespace palaver;
using namespace palaver::bench;

constexpr int Moves = 10000;

// One line of about Moves statements in the core, with its recovery slot in a directory of its
// own; made once and shared by the benchmarks, which each add a few moves.
struct TLargeLine {
  THeadlessPlatform Platform;
  std::unique_ptr<TMainWindowCore> Core;
  std::string Dir;
  int Serial = 0;

  TLargeLine() {
    ResetProgramState();
    char Template[] = "/tmp/palaver-recovery-bench-XXXXXX";
    Dir = mkdtemp(Template);
    Platform.ButtonDown = TViewButton::None;
    Core = std::make_unique<TMainWindowCore>(Platform);
    Core->NewLineOfArgumentation();
    Platform.ViewLines = TranscriptLines(TargetArgumentation(Moves));
    Core->InterpretTranscript();
    // The target has a few moves fewer than statements (a connection's warrant is a move of its
    // own, an exception's connection is not); statements make up the rest.
    while (State().LineOfArgumentation->ArgumentationMoves.Count() < Moves)
      Move();
    State().LineOfArgumentation->Changed = true;
    Core->StartRecovery(Dir);
  }
  ~TLargeLine() {
    State().LineOfArgumentation.reset();
    Core.reset();
    std::error_code Error;
    std::filesystem::remove_all(Dir, Error);
  }

  void Move() {
    Core->StatementMove(
        NewStatement("another statement " + std::to_string(++Serial), TStatementType::Issue));
  }
};

TLargeLine& Line() {
  static TLargeLine Instance;
  return Instance;
}

void Describe(benchmark::State& State) {
  const auto& L = *::palaver::State().LineOfArgumentation;
  State.counters["moves"] = static_cast<double>(L.ArgumentationMoves.Count());
  std::error_code Error;
  const auto Size = std::filesystem::file_size(Line().Core->RecoveryFilePath(), Error);
  if (!Error) State.counters["file_kB"] = static_cast<double>(Size) / 1024.0;
}

void BM_Keep(benchmark::State& State) {
  TLargeLine& L = Line();
  for (auto _ : State)
    L.Core->KeepRecovery();
  Describe(State);
}

void BM_Text(benchmark::State& State) {
  Line();
  const auto& L = *::palaver::State().LineOfArgumentation;
  for (auto _ : State) {
    std::string Text =
        RecoveryFileText(L.FileName, TranscriptFileLines(L, ::palaver::State().ForwardLines));
    benchmark::DoNotOptimize(Text);
  }
}

void BM_Move(benchmark::State& State) {
  TLargeLine& L = Line();
  for (auto _ : State)
    L.Move();
  Describe(State);
}

void BM_MoveAndKeep(benchmark::State& State) {
  TLargeLine& L = Line();
  for (auto _ : State) {
    L.Move();
    L.Core->KeepRecovery();
  }
  Describe(State);
}

}  // namespace

BENCHMARK(BM_Keep)->Name("recovery/keep")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Text)->Name("recovery/text")->Unit(benchmark::kMillisecond)->UseRealTime();
// A fixed number of moves, so that the line stays about its size.
BENCHMARK(BM_Move)
    ->Name("recovery/statement-move")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(50);
BENCHMARK(BM_MoveAndKeep)
    ->Name("recovery/move-and-keep")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(50);

BENCHMARK_MAIN();
