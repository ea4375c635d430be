// Arbitrary bytes read as a transcript file and replayed through the window's core, followed by
// a few Back, Forward and deletion commands chosen by the input's last bytes, and a reading of
// some older stages. After them the line is saved and opened again in memory, which must give
// the same file.
//
// The lines are evaluated within small limits, chosen by the input's first byte: dense cycles
// of connections, which no cap on the text keeps out, then meet the limits after a few moves,
// so that refused moves, replays that stop at one, and stages worked out only when read are
// fuzzed with everything else.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controller/HeadlessPlatform.h"
#include "controller/MainWindowCore.h"
#include "session/ProgramState.h"
#include "transcript/RtfReader.h"
#include "transcript/TranscriptFile.h"
#include "transcript/TranscriptFormat.h"

namespace {

using namespace palaver;

// The commands replay the text several times; a longer one only takes longer.
constexpr std::size_t MaxLines = 400;
constexpr std::size_t MaxCommands = 6;

// Between 16 and about 4,000 dialectical arguments on cycles, and comparisons to match.
TEvaluationLimits SmallLimits(std::uint8_t Choice) {
  TEvaluationLimits Limits;
  Limits.DialecticalArguments = std::size_t{16} << (Choice % 9);
  Limits.Comparisons = Limits.DialecticalArguments * (Choice / 9 % 4 == 0 ? 1 : 64);
  return Limits;
}

// Reads the lists of a few older stages, which are worked out only now, from what the history
// kept of them.
void ReadOlderStages(std::uint8_t Choice) {
  const TArgumentationStages& Stages = State().LineOfArgumentation->ArgumentationStages;
  for (int I = Stages.Count() - 1; I >= 0; I -= 1 + Choice % 4) {
    const TArgumentationStage& G = *Stages[I];
    if (G.DialecticalArguments.Count() != G.Statements.Count()) __builtin_trap();
    for (const PDialecticalArgument& D : G.MaximalDialecticalArguments)
      if (G.DialecticalArguments.IndexOf(D.get()) < 0) __builtin_trap();
  }
}

std::vector<std::string> ReadLines(std::string_view Bytes) {
  return TranscriptLinesOfBytes(Bytes).value_or(std::vector<std::string>());
}

// What the deletions name: a sentence of the current stage, or (for some bytes) one it lacks.
std::string StatementSentence(std::uint8_t Choice) {
  const TStatements& Statements = State().LineOfArgumentation->CurrentStage->Statements;
  if (Statements.Empty() || Choice >= 0xF0) return "(not there)";
  return Statements[Choice % Statements.Count()]->Sentence;
}

const TReasonConclusion* ChosenConnection(std::uint8_t Choice) {
  const TReasonConclusions& Connections =
      State().LineOfArgumentation->CurrentStage->ReasonConclusions;
  if (Connections.Empty()) return nullptr;
  return Connections[Choice % Connections.Count()].get();
}

// Copies of the sentences, as a dialog would hand them over: the deletion replaces the line
// that owns the originals.
TReasonConclusion ConnectionNamed(const TReasonConclusion& C) {
  TReasonConclusion Copy;
  Copy.Reason->Sentence = C.Reason->Sentence;
  Copy.Conclusion->Sentence = C.Conclusion->Sentence;
  return Copy;
}

void RunCommand(TMainWindowCore& Core, std::uint8_t Byte) {
  const std::uint8_t Choice = static_cast<std::uint8_t>(Byte / 6);
  switch (Byte % 6) {
    case 0:
      Core.StepBack();
      break;
    case 1:
      Core.StepForward();
      break;
    case 2:
      Core.RemoveStatement(TStatement(StatementSentence(Choice), TStatementType::Issue));
      break;
    case 3:
      if (const TReasonConclusion* C = ChosenConnection(Choice))
        Core.RemoveReasonConclusion(ConnectionNamed(*C));
      break;
    case 4:
      if (const TReasonConclusion* C = ChosenConnection(Choice)) {
        TReasonConclusion Named = ConnectionNamed(*C);
        Named.Exceptions.Add(NewStatement(
            C->Exceptions.Empty() ? "(none)"
                                  : C->Exceptions[Choice % C->Exceptions.Count()]->Sentence,
            TStatementType::Issue));
        Core.RemoveException(Named);
      }
      break;
    default:
      State().Language =
          State().Language == TLanguage::English ? TLanguage::Dutch : TLanguage::English;
      break;
  }
}

// Save and Open in memory: the file's lines replayed into a new line must write the same file,
// and its current stage must take as much of the limits as the one the commands left (when no
// language switch came after the last move: the warrants recognised can differ).
void CheckSaveAndOpenAgree(THeadlessPlatform& Platform, TMainWindowCore& Core) {
  const std::vector<std::string> Saved = TranscriptFileLines(
      *State().LineOfArgumentation, State().ForwardLines, State().ForwardLinesAreRest);
  const bool SameLanguage = State().LineOfArgumentation->Evaluation.Language == State().Language;
  const std::size_t GroupArguments =
      State().LineOfArgumentation->CurrentStage->CycleGroupArguments();
  Core.NewLineOfArgumentation();
  Platform.SetTranscriptViewLines(Saved);
  Core.InterpretTranscript();
  if (TranscriptFileLines(*State().LineOfArgumentation, State().ForwardLines,
                          State().ForwardLinesAreRest) != Saved)
    __builtin_trap();
  if (SameLanguage &&
      State().LineOfArgumentation->CurrentStage->CycleGroupArguments() != GroupArguments)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);
  std::vector<std::string> Lines = ReadLines(Bytes);
  if (Lines.size() > MaxLines) Lines.resize(MaxLines);

  ResetProgramState();
  // The language decides which warrants count and how "IF" forms read.
  State().Language = Size % 3 == 0 ? TLanguage::Dutch : TLanguage::English;
  {
    THeadlessPlatform Platform;
    TMainWindowCore Core(Platform);
    Core.SetEvaluationLimits(SmallLimits(Size > 0 ? Data[0] : 0));
    Platform.SetTranscriptViewLines(std::move(Lines));
    Core.InterpretTranscript();

    // The commands come from the input's last bytes, which are also part of its text.
    const std::size_t Commands = std::min(Size, MaxCommands);
    for (std::size_t I = Size - Commands; I < Size; ++I)
      RunCommand(Core, Data[I]);
    ReadOlderStages(Size > 1 ? Data[1] : 0);

    CheckSaveAndOpenAgree(Platform, Core);
    ResetProgramState();
  }
  return 0;
}
