// The speed targets of the model: one move on the target argumentation (TargetShape.h) of 1,000
// and 10,000 statements, and the replay of its whole transcript. Built twice, against the
// program's model ("fast/...") and against the straightforward reference ("reference/..."); run
// both with bench/speed.sh to see them side by side.
//
// Everything is first tried once in a forked child that is stopped at the limit; what takes
// longer is reported as "> 10 s" and not timed by Google Benchmark.
//
//   --palaver_max_size=N             leave out the sizes above N
//   --palaver_cyclic_search          time the replay of K fully connected Issues for K = 2, 3, ...
//                                    and report the largest K that replays within a second
//   --palaver_write_transcript=FILE  write the target transcript of 10,000 statements and stop
//                                    (--palaver_size=N for another size, --palaver_shape=NAME
//                                    for another shape: full:K, ring:N, chain:L, target:N)
//   --palaver_shapes                 also time the last move of the shapes whose dialectical
//                                    arguments grow fastest (last-move/full/5 and so on), Back
//                                    in the window on long lines and on lines with a large
//                                    group (back/...), and the memory a line holds after many
//                                    moves on a group (group-moves/..., counters in MB)
//   --palaver_open_then_new=FILE     open a transcript as the window does, then File > New, and
//                                    print the memory the process holds after each
//   --palaver_replay=FILE            replay a transcript file as Open does, read the newest
//                                    stage's dialectical arguments and stop (for timing the whole
//                                    process, e.g. under /usr/bin/time -v)

#include <malloc.h>
#include <poll.h>
#include <signal.h>  // NOLINT(modernize-deprecated-headers): kill() is POSIX, not standard C
#include <sys/wait.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TargetShape.h"
#include "controller/HeadlessPlatform.h"
#include "controller/MainWindowCore.h"
#include "line/LineOfArgumentation.h"
#include "session/ProgramState.h"

#ifndef PALAVER_MODEL_NAME
#define PALAVER_MODEL_NAME "fast"
#endif

namespace {

using namespace palaver;
using namespace palaver::bench;

constexpr double LimitSeconds = 10.0;
constexpr double BuildLimitSeconds = 60.0;
constexpr int Sizes[] = {1000, 10000};

double SecondsSince(std::chrono::steady_clock::time_point Start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
}

bool WaitFor(int Fd, double Seconds, double& Value) {
  pollfd Wait{Fd, POLLIN, 0};
  return poll(&Wait, 1, static_cast<int>(Seconds * 1000)) == 1 &&
         read(Fd, &Value, sizeof Value) == sizeof Value;
}

// Runs Prepare and then Work in a forked child and returns the seconds Work took; -1 when Work
// took longer than Limit, -2 when Prepare took longer than BuildLimitSeconds.
double Probe(const std::function<void()>& Prepare, const std::function<void()>& Work,
             double Limit = LimitSeconds) {
  int Pipe[2];
  if (pipe(Pipe) != 0) return -1;
  const pid_t Child = fork();
  if (Child == 0) {
    close(Pipe[0]);
    Prepare();
    double Ready = 0;
    bool Ok = write(Pipe[1], &Ready, sizeof Ready) == sizeof Ready;
    const auto Start = std::chrono::steady_clock::now();
    Work();
    const double Seconds = SecondsSince(Start);
    Ok = Ok && write(Pipe[1], &Seconds, sizeof Seconds) == sizeof Seconds;
    _exit(Ok ? 0 : 1);  // no destructors: tearing a large line down is not being measured
  }
  close(Pipe[1]);
  double Ready = 0;
  double Seconds = -1;
  if (Child < 0 || !WaitFor(Pipe[0], BuildLimitSeconds, Ready))
    Seconds = -2;
  else if (!WaitFor(Pipe[0], Limit, Seconds))
    Seconds = -1;
  if (Child > 0) {
    kill(Child, SIGKILL);
    waitpid(Child, nullptr, 0);
  }
  close(Pipe[0]);
  return Seconds;
}

std::string Name(const std::string& What, int N) {
  return std::string(PALAVER_MODEL_NAME) + "/" + What + "/" + std::to_string(N);
}

void RegisterTooSlow(const std::string& Name) {
  benchmark::RegisterBenchmark(Name.c_str(),
                               [](benchmark::State& State) { State.SkipWithError("> 10 s"); });
}

// A slow one is timed three times; a quick one in five runs of a fixed number of iterations,
// so that the moves, each of which adds a statement, leave the argumentation about its size.
void Settle(benchmark::internal::Benchmark* B, double ProbeSeconds, int QuickIterations) {
  B->Unit(benchmark::kMillisecond)->UseRealTime()->ReportAggregatesOnly(true);
  if (ProbeSeconds > 1.0)
    B->Iterations(1)->Repetitions(3);
  else
    B->Iterations(QuickIterations)->Repetitions(5);
}

// --- Moves -----------------------------------------------------------------------------------

enum class TMove { Statement, ReasonConclusion, Exception };
const char* MoveName(TMove M) {
  switch (M) {
    case TMove::Statement:
      return "statement-move";
    case TMove::ReasonConclusion:
      return "reason-conclusion-move";
    case TMove::Exception:
      return "exception-move";
  }
  return "";
}

// The plan's connections, deepest (last entered) first.
std::vector<TPlannedMove> ConnectionsDeepestFirst(const std::vector<TPlannedMove>& Plan) {
  std::vector<TPlannedMove> Connections;
  for (auto It = Plan.rbegin(); It != Plan.rend(); ++It)
    if (It->Kind == TPlannedMove::TKind::ReasonConclusion) Connections.push_back(*It);
  return Connections;
}

PStatement Copy(const TArgumentationStage& G, const std::string& Sentence) {
  PStatement Existing;
  G.SentenceIsStatementSentence(Sentence, Existing);
  return NewStatement(Sentence, Existing ? Existing->StatementType : TStatementType::Issue);
}

// One move with new objects: a new statement; a new reason for the reason of a connection; a new
// exception on a connection. Serial numbers the new sentence and picks the connection, deepest
// first, so that the moves spread over the lowest level of the tree.
PArgumentationStage MakeMove(const TArgumentationStage& G,
                             const std::vector<TPlannedMove>& Connections, TMove M, int Serial) {
  const std::string Number = std::to_string(Serial);
  const TPlannedMove& Deepest = Connections[static_cast<std::size_t>(Serial) % Connections.size()];
  switch (M) {
    case TMove::Statement:
      return G.DoStatementMove(NewStatement("new statement " + Number, TStatementType::Issue));
    case TMove::ReasonConclusion: {
      auto C = NewReasonConclusion();
      C->Conclusion = Copy(G, Deepest.Sentences[1]);
      C->Reason = NewStatement("new reason " + Number, TStatementType::Assumption);
      return G.DoReasonConclusionMove(C);
    }
    case TMove::Exception: {
      auto C = NewReasonConclusion();
      C->Exceptions.Add(NewStatement("new exception " + Number, TStatementType::Assumption));
      C->Conclusion = Copy(G, Deepest.Sentences[0]);
      C->Reason = Copy(G, Deepest.Sentences[1]);
      return G.DoExceptionMove(C);
    }
  }
  return nullptr;
}

std::string Outcome(double Seconds) {
  if (Seconds == -2) return "> 10 s (the stage was not even built within a minute)";
  return Seconds < 0 ? "> 10 s" : std::to_string(Seconds) + " s";
}

void RegisterMoves(int MaxSize) {
  bool Unbuildable = false;
  for (int N : Sizes) {
    if (N > MaxSize) break;
    const std::vector<TPlannedMove> Plan = TargetArgumentation(N);
    const std::vector<TPlannedMove> Connections = ConnectionsDeepestFirst(Plan);
    for (TMove M : {TMove::Statement, TMove::ReasonConclusion, TMove::Exception}) {
      const std::string BenchName = Name(std::string(MoveName(M)) + "/target", N);
      PArgumentationStage Built;
      // A size whose stage could not be built in time is not tried again, nor a larger one.
      const double Seconds = Unbuildable ? -2
                                         : Probe([&] { Built = StageOf(Plan); },
                                                 [&] { MakeMove(*Built, Connections, M, 0); });
      Unbuildable = Seconds == -2;
      std::fprintf(stderr, "%s: %s\n", BenchName.c_str(), Outcome(Seconds).c_str());
      if (Seconds < 0) {
        RegisterTooSlow(BenchName);
        continue;
      }
      auto* B = benchmark::RegisterBenchmark(
          BenchName.c_str(), [Plan, Connections, M](benchmark::State& State) {
            // Each move is made on the newest stage, as the program makes them; the
            // argumentation grows by one statement a move.
            PArgumentationStage G = StageOf(Plan);
            int Serial = 0;
            for (auto _ : State) {
              PArgumentationStage Next = MakeMove(*G, Connections, M, Serial++);
              State.PauseTiming();
              G = std::move(Next);
              State.ResumeTiming();
            }
            State.counters["statements"] = G->Statements.Count();
          });
      Settle(B, Seconds, 200);
    }
  }
}

// --- Replay ----------------------------------------------------------------------------------

// What opening a transcript costs: the replay into a new line, and the dialectical arguments of
// the last stage, which the view and palaver-cli read.
void Replay(const std::vector<std::string>& Lines) {
  ResetProgramState();
  THeadlessPlatform Platform;
  Platform.ButtonDown = TViewButton::Arguments;
  TMainWindowCore Core(Platform);
  Core.NewLineOfArgumentation();
  Platform.ViewLines = Lines;
  Core.InterpretTranscript();
  const TArgumentationStage& G = *State().LineOfArgumentation->CurrentStage;
  benchmark::DoNotOptimize(G.DialecticalArguments.Count());
  benchmark::DoNotOptimize(G.MaximalDialecticalArguments.Count());
}

void RegisterReplays(int MaxSize) {
  for (int N : Sizes) {
    if (N > MaxSize) break;
    const std::vector<std::string> Lines = TranscriptLines(TargetArgumentation(N));
    const std::string BenchName = Name("replay/target", N);
    const double Seconds = Probe([] {}, [&] { Replay(Lines); });
    std::fprintf(stderr, "%s: %s\n", BenchName.c_str(), Outcome(Seconds).c_str());
    if (Seconds < 0) {
      RegisterTooSlow(BenchName);
      continue;
    }
    auto* B = benchmark::RegisterBenchmark(BenchName.c_str(), [Lines](benchmark::State& State) {
      for (auto _ : State) {
        Replay(Lines);
        State.PauseTiming();
        ResetProgramState();
        State.ResumeTiming();
      }
    });
    Settle(B, Seconds, 3);
  }
}

// --- The shapes that grow fastest ---------------------------------------------------------------

// The move, made through the window's core as a dialog would make it.
void MakeMove(const TPlannedMove& M, TMainWindowCore& Core) {
  const auto Sentence = [&M](std::size_t I) { return NewStatement(M.Sentences[I], M.Types[I]); };
  if (M.Kind == TPlannedMove::TKind::Statement) {
    Core.StatementMove(Sentence(0));
    return;
  }
  const std::size_t First = M.Kind == TPlannedMove::TKind::Exception ? 1 : 0;
  auto C = NewReasonConclusion();
  if (First) C->Exceptions.Add(Sentence(0));
  C->Conclusion = Sentence(First);
  C->Reason = Sentence(First + 1);
  if (First)
    Core.ExceptionMove(C);
  else
    Core.ReasonConclusionMove(C);
}

// A window's core on the headless platform with Lines opened in it, as Open leaves it.
void OpenInCore(const std::vector<std::string>& Lines, std::unique_ptr<THeadlessPlatform>& Platform,
                std::unique_ptr<TMainWindowCore>& Core) {
  ResetProgramState();
  Core.reset();
  Platform = std::make_unique<THeadlessPlatform>();
  Platform->ButtonDown = TViewButton::Arguments;
  Core = std::make_unique<TMainWindowCore>(*Platform);
  Core->NewLineOfArgumentation();
  Platform->ViewLines = Lines;
  Core->InterpretTranscript();
}

// The last move of a shape, made through the window's core as a dialog would, on the line that
// the shape's other moves built: the move that meets (or passes) what the model can evaluate.
void LastMove(const std::vector<TPlannedMove>& Plan, std::unique_ptr<THeadlessPlatform>& Platform,
              std::unique_ptr<TMainWindowCore>& Core, bool Prepare) {
  const TPlannedMove& M = Plan.back();
  if (Prepare) {
    OpenInCore(TranscriptLines({Plan.begin(), Plan.end() - 1}), Platform, Core);
    return;
  }
  MakeMove(M, *Core);
}

void RegisterShapeMoves() {
  for (const char* Shape :
       {"full:3", "full:4", "full:5", "full:6", "full:5+x:40", "ring:20", "ring:30", "ring:40",
        "ring:60", "chain:10", "chain:16", "chain:20", "chain:24"}) {
    const std::vector<TPlannedMove> Plan = NamedShape(Shape);
    std::string Label = Shape;
    Label[Label.find(':')] = '/';
    const std::string BenchName = std::string(PALAVER_MODEL_NAME) + "/last-move/" + Label;
    std::unique_ptr<THeadlessPlatform> Platform;
    std::unique_ptr<TMainWindowCore> Core;
    const double Seconds = Probe([&] { LastMove(Plan, Platform, Core, true); },
                                 [&] { LastMove(Plan, Platform, Core, false); });
    std::fprintf(stderr, "%s: %s\n", BenchName.c_str(), Outcome(Seconds).c_str());
    if (Seconds < 0) {
      RegisterTooSlow(BenchName);
      continue;
    }
    auto* B = benchmark::RegisterBenchmark(BenchName.c_str(), [Plan](benchmark::State& State) {
      std::unique_ptr<THeadlessPlatform> Platform;
      std::unique_ptr<TMainWindowCore> Core;
      for (auto _ : State) {
        State.PauseTiming();
        LastMove(Plan, Platform, Core, true);
        State.ResumeTiming();
        LastMove(Plan, Platform, Core, false);
      }
      const TLineOfArgumentation& Line = *palaver::State().LineOfArgumentation;
      State.counters["refused"] = Line.LimitReached ? 1 : 0;
      Core.reset();
      ResetProgramState();
    });
    B->Unit(benchmark::kMillisecond)->UseRealTime()->ReportAggregatesOnly(true);
    B->Iterations(1)->Repetitions(Seconds > 1.0 ? 3 : 5);
  }
}

// Back in the window: the line of a shape opened, then Back, which takes over every move but the
// last; Forward (not timed) brings the line back for the next round.
void RegisterBacks() {
  for (const char* Shape : {"target:10000", "full:5+x:40"}) {
    const std::vector<std::string> Lines = TranscriptLines(NamedShape(Shape));
    std::string Label = Shape;
    Label[Label.find(':')] = '/';
    const std::string BenchName = std::string(PALAVER_MODEL_NAME) + "/back/" + Label;
    std::unique_ptr<THeadlessPlatform> Platform;
    std::unique_ptr<TMainWindowCore> Core;
    const double Seconds =
        Probe([&] { OpenInCore(Lines, Platform, Core); }, [&] { Core->StepBack(); });
    std::fprintf(stderr, "%s: %s\n", BenchName.c_str(), Outcome(Seconds).c_str());
    if (Seconds < 0) {
      RegisterTooSlow(BenchName);
      continue;
    }
    auto* B = benchmark::RegisterBenchmark(BenchName.c_str(), [Lines](benchmark::State& State) {
      std::unique_ptr<THeadlessPlatform> Platform;
      std::unique_ptr<TMainWindowCore> Core;
      OpenInCore(Lines, Platform, Core);
      for (auto _ : State) {
        Core->StepBack();
        State.PauseTiming();
        Core->StepForward();
        State.ResumeTiming();
      }
      State.counters["moves"] = palaver::State().LineOfArgumentation->ArgumentationMoves.Count();
      Core.reset();
      ResetProgramState();
    });
    B->Unit(benchmark::kMillisecond)->UseRealTime()->ReportAggregatesOnly(true);
    B->Iterations(3)->Repetitions(3);
  }
}

// The process's resident memory, in megabytes.
double ResidentMegabytes() {
  std::ifstream Statm("/proc/self/statm");
  long Pages = 0;
  long Resident = 0;
  Statm >> Pages >> Resident;
  return static_cast<double>(Resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
         (1024.0 * 1024.0);
}

// The heap in use, in megabytes.
double HeapMegabytes() {
  return static_cast<double>(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

// Many moves on one cycle group, made in the window one by one: the memory the line holds after
// the first of them and after the last should be about the same, since a rebuilt group is let go.
void RegisterGroupMemory() {
  const std::vector<TPlannedMove> Plan = NamedShape("full:5+x:40");
  const std::size_t Group = NamedShape("full:5").size();
  const std::string BenchName = std::string(PALAVER_MODEL_NAME) + "/group-moves/full/5+x:40";
  benchmark::RegisterBenchmark(
      BenchName.c_str(),
      [Plan, Group](benchmark::State& State) {
        for (auto _ : State) {
          std::unique_ptr<THeadlessPlatform> Platform;
          std::unique_ptr<TMainWindowCore> Core;
          OpenInCore(TranscriptLines({Plan.begin(), Plan.begin() + static_cast<long>(Group) + 1}),
                     Platform, Core);
          malloc_trim(0);
          const double First = HeapMegabytes();
          for (std::size_t I = Group + 1; I < Plan.size(); ++I)
            MakeMove(Plan[I], *Core);
          malloc_trim(0);
          State.counters["MB_after_first_move"] = First;
          State.counters["MB_after_last_move"] = HeapMegabytes();
          State.counters["moves"] = static_cast<double>(Plan.size() - Group - 1);
          Core.reset();
          ResetProgramState();
        }
      })
      ->Unit(benchmark::kMillisecond)
      ->UseRealTime()
      ->Iterations(1);
}

// The largest K whose fully connected Issues replay within a second.
void CyclicSearch() {
  int Largest = 0;
  for (int K = 2; K <= 12; ++K) {
    const std::vector<std::string> Lines = TranscriptLines(FullyConnectedIssues(K));
    const double Seconds = Probe([] {}, [&] { Replay(Lines); }, 5.0);
    std::printf("%s/cyclic/%d: %s\n", PALAVER_MODEL_NAME, K,
                Seconds < 0 ? "> 5 s" : (std::to_string(Seconds) + " s").c_str());
    std::fflush(stdout);
    if (Seconds < 0 || Seconds > 1.0) break;
    Largest = K;
  }
  std::printf("%s/cyclic: largest K replayed within 1 s: %d\n", PALAVER_MODEL_NAME, Largest);
}

std::vector<std::string> ReadLines(const std::string& File) {
  std::ifstream In(File, std::ios::binary);
  std::vector<std::string> Lines;
  std::string Line;
  while (std::getline(In, Line)) {
    if (!Line.empty() && Line.back() == '\r') Line.pop_back();
    Lines.push_back(Line);
  }
  return Lines;
}

bool Flag(const char* Arg, const char* Name, std::string& Value) {
  const std::size_t Length = std::strlen(Name);
  if (std::strncmp(Arg, Name, Length) != 0) return false;
  Value = Arg[Length] == '=' ? Arg + Length + 1 : "";
  return Arg[Length] == '=' || Arg[Length] == '\0';
}

}  // namespace

int main(int argc, char** argv) {
  int MaxSize = Sizes[std::size(Sizes) - 1];
  int TranscriptSize = 10000;
  std::string TranscriptFile;
  std::string Shape;
  bool Shapes = false;
  bool Cyclic = false;
  std::string ReplayFile;
  std::string OpenThenNewFile;
  std::vector<char*> Args;
  for (int I = 0; I < argc; ++I) {
    std::string Value;
    if (Flag(argv[I], "--palaver_max_size", Value))
      MaxSize = std::stoi(Value);
    else if (Flag(argv[I], "--palaver_size", Value))
      TranscriptSize = std::stoi(Value);
    else if (Flag(argv[I], "--palaver_write_transcript", Value))
      TranscriptFile = Value;
    else if (Flag(argv[I], "--palaver_shape", Value))
      Shape = Value;
    else if (Flag(argv[I], "--palaver_shapes", Value))
      Shapes = true;
    else if (Flag(argv[I], "--palaver_cyclic_search", Value))
      Cyclic = true;
    else if (Flag(argv[I], "--palaver_replay", Value))
      ReplayFile = Value;
    else if (Flag(argv[I], "--palaver_open_then_new", Value))
      OpenThenNewFile = Value;
    else
      Args.push_back(argv[I]);
  }
  if (!TranscriptFile.empty()) {
    const std::vector<TPlannedMove> Plan =
        Shape.empty() ? TargetArgumentation(TranscriptSize) : NamedShape(Shape);
    if (Plan.empty()) {
      std::fprintf(stderr, "unknown shape %s\n", Shape.c_str());
      return 2;
    }
    std::ofstream Out(TranscriptFile, std::ios::binary);
    for (const std::string& Line : TranscriptLines(Plan))
      Out << Line << "\r\n";
    return Out ? 0 : 1;
  }
  if (Cyclic) {
    CyclicSearch();
    return 0;
  }
  if (!ReplayFile.empty()) {
    const auto Start = std::chrono::steady_clock::now();
    Replay(ReadLines(ReplayFile));
    const TArgumentationStage& G = *State().LineOfArgumentation->CurrentStage;
    std::printf("%s: %d statements, %d connections, %d maximal, replayed in %.3f s\n",
                PALAVER_MODEL_NAME, G.Statements.Count(), G.ReasonConclusions.Count(),
                G.MaximalDialecticalArguments.Count(), SecondsSince(Start));
    return 0;
  }
  if (!OpenThenNewFile.empty()) {
    std::unique_ptr<THeadlessPlatform> Platform;
    std::unique_ptr<TMainWindowCore> Core;
    OpenInCore(ReadLines(OpenThenNewFile), Platform, Core);
    std::printf("%s: after Open %.0f MB resident, %.0f MB heap in use\n", PALAVER_MODEL_NAME,
                ResidentMegabytes(), HeapMegabytes());
    Core->NewLineOfArgumentation();
    std::printf("%s: after New %.0f MB resident, %.0f MB heap in use\n", PALAVER_MODEL_NAME,
                ResidentMegabytes(), HeapMegabytes());
    return 0;
  }
  int Count = static_cast<int>(Args.size());
  benchmark::Initialize(&Count, Args.data());
  if (benchmark::ReportUnrecognizedArguments(Count, Args.data())) return 1;
  RegisterMoves(MaxSize);
  RegisterReplays(MaxSize);
  if (Shapes) {
    RegisterShapeMoves();
    RegisterBacks();
    RegisterGroupMemory();
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
