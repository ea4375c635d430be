// The time of one stage move on stages of 100, 1,000 and 5,000 statements in three shapes.
//
// The model follows its algorithms literally and some moves grow steeply with the stage, so no
// move is timed by Google Benchmark before it has been tried once by hand, in a child process
// that is stopped after ten seconds. A move that takes longer is reported as "> 10 s", and so are
// the larger sizes of the same shape and move. A size is not even built when a smaller one's
// statement move, scaled by the square of the size ratio, exceeds the limit three times over:
// building a stage costs one full recomputation, as much as a statement move, and every
// recomputation grows at least with the square of the number of statements (the maximal
// selection compares pairs). The margin keeps a disturbed small measurement from skipping a size
// that would have made it.
//
// --palaver_max_size=N leaves out the sizes above N.

#include <poll.h>
#include <signal.h>  // NOLINT(modernize-deprecated-headers): kill() is POSIX, not standard C
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "StageShapes.h"

namespace {

using namespace palaver;
using namespace palaver::bench;

constexpr double LimitSeconds = 10.0;
constexpr int Sizes[] = {100, 1000, 5000};
constexpr TShape Shapes[] = {TShape::Chain, TShape::Tree, TShape::Unconnected};
constexpr TMoveKind Moves[] = {TMoveKind::Statement, TMoveKind::ReasonConclusion,
                               TMoveKind::Exception};

double SecondsSince(std::chrono::steady_clock::time_point Start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
}

// Times one move in a forked child (which works on its own copy of the stage) and stops the
// child at the limit. Returns the seconds taken, or a negative value when the limit was reached.
double ProbeMove(const TArgumentationStage& Stage, TMoveKind Kind) {
  int Pipe[2];
  if (pipe(Pipe) != 0) return -1;
  const pid_t Child = fork();
  if (Child == 0) {
    close(Pipe[0]);
    // A quick move is tried three times and the best time kept: one try is easily disturbed by
    // the other work on the machine, and the statement move's time decides whether the next
    // size is built at all.
    double Seconds = 0;
    for (int Try = 0; Try < 3; ++Try) {
      const auto Start = std::chrono::steady_clock::now();
      PArgumentationStage Result = MakeMove(Stage, Kind);
      const double Elapsed = SecondsSince(Start);
      RestoreStage(Stage, Kind);
      Seconds = Try == 0 ? Elapsed : std::min(Seconds, Elapsed);
      if (Elapsed > 0.5) break;
    }
    ssize_t Written = write(Pipe[1], &Seconds, sizeof Seconds);
    _exit(Written == sizeof Seconds ? 0 : 1);  // no destructors: the parent owns the objects
  }
  close(Pipe[1]);
  double Seconds = -1;
  pollfd Wait{Pipe[0], POLLIN, 0};
  if (Child > 0 && poll(&Wait, 1, static_cast<int>(LimitSeconds * 1000)) == 1) {
    if (read(Pipe[0], &Seconds, sizeof Seconds) != sizeof Seconds) Seconds = -1;
  }
  if (Child > 0) {
    kill(Child, SIGKILL);
    waitpid(Child, nullptr, 0);
  }
  close(Pipe[0]);
  return Seconds;
}

void RegisterTooSlow(TShape Shape, TMoveKind Kind, int N) {
  const std::string Name =
      std::string(MoveName(Kind)) + "/" + ShapeName(Shape) + "/" + std::to_string(N);
  benchmark::RegisterBenchmark(Name.c_str(),
                               [](benchmark::State& State) { State.SkipWithError("> 10 s"); });
}

void RegisterMove(TShape Shape, TMoveKind Kind, int N, PArgumentationStage Stage,
                  double ProbeSeconds) {
  const std::string Name =
      std::string(MoveName(Kind)) + "/" + ShapeName(Shape) + "/" + std::to_string(N);
  auto* B = benchmark::RegisterBenchmark(Name.c_str(), [Stage, Kind](benchmark::State& State) {
    for (auto _ : State) {
      PArgumentationStage Result = MakeMove(*Stage, Kind);
      State.PauseTiming();
      Result.reset();  // tearing the new stage down is not part of the move
      RestoreStage(*Stage, Kind);
      State.ResumeTiming();
    }
    State.counters["statements"] = Stage->Statements.Count();
  });
  B->Unit(benchmark::kMillisecond)->UseRealTime()->ReportAggregatesOnly(true);
  if (ProbeSeconds > 1.0)
    B->Iterations(1)->Repetitions(3);
  else
    B->MinTime(0.2)->Repetitions(5);
}

void RegisterShape(TShape Shape, int MaxSize) {
  std::map<TMoveKind, bool> TooSlow;
  double PreviousStatementMove = 0;
  int PreviousSize = 0;
  for (int N : Sizes) {
    if (N > MaxSize) break;
    const double Ratio = PreviousSize ? static_cast<double>(N) / PreviousSize : 0;
    if (PreviousStatementMove * Ratio * Ratio > 3 * LimitSeconds) {
      std::fprintf(stderr, "%s %d: not built (a statement move at %d took %.2f s)\n",
                   ShapeName(Shape), N, PreviousSize, PreviousStatementMove);
      for (TMoveKind Kind : Moves)
        RegisterTooSlow(Shape, Kind, N);
      continue;
    }
    const auto Start = std::chrono::steady_clock::now();
    PArgumentationStage Stage = BuildStage(Shape, N);
    std::fprintf(stderr, "%s %d: %d statements, %d connections, built in %.2f s\n",
                 ShapeName(Shape), N, Stage->Statements.Count(), Stage->ReasonConclusions.Count(),
                 SecondsSince(Start));
    for (TMoveKind Kind : Moves) {
      const double Seconds = TooSlow[Kind] ? -1 : ProbeMove(*Stage, Kind);
      std::fprintf(stderr, "  %s: %s\n", MoveName(Kind),
                   Seconds < 0 ? "> 10 s" : (std::to_string(Seconds) + " s").c_str());
      if (Seconds < 0) {
        TooSlow[Kind] = true;
        RegisterTooSlow(Shape, Kind, N);
        continue;
      }
      if (Kind == TMoveKind::Statement) PreviousStatementMove = Seconds;
      RegisterMove(Shape, Kind, N, Stage, Seconds);
    }
    if (TooSlow[TMoveKind::Statement]) PreviousStatementMove = 2 * LimitSeconds;
    PreviousSize = N;
  }
}

}  // namespace

int main(int argc, char** argv) {
  int MaxSize = Sizes[std::size(Sizes) - 1];
  std::vector<char*> Args;
  for (int I = 0; I < argc; ++I) {
    const char* Flag = "--palaver_max_size=";
    if (std::strncmp(argv[I], Flag, std::strlen(Flag)) == 0)
      MaxSize = std::atoi(argv[I] + std::strlen(Flag));
    else
      Args.push_back(argv[I]);
  }
  int Count = static_cast<int>(Args.size());
  benchmark::Initialize(&Count, Args.data());
  if (benchmark::ReportUnrecognizedArguments(Count, Args.data())) return 1;
  for (TShape Shape : Shapes)
    RegisterShape(Shape, MaxSize);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
