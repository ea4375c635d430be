// Arbitrary bytes read as a transcript file and replayed through the window's core, followed by
// a few Back, Forward and deletion commands chosen by the input's last bytes. After them the
// line is saved and opened again in memory, which must give the same file.

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

// Dialectical arguments grow exponentially with dense cycles of connections, and exceptions
// multiply them further; that is the model's nature, not a hang worth reporting. Entries that
// can make a connection or add an exception are therefore kept to a dozen.
constexpr int MaxConnectionEntries = 12;
// Each replay makes every move anew, and every move recomputes the whole stage, so a long
// text is slow for the same reason; the commands replay it several times.
constexpr std::size_t MaxLines = 200;
constexpr std::size_t MaxCommands = 6;

void CapEntries(std::vector<std::string>& Lines) {
  if (Lines.size() > MaxLines) Lines.resize(MaxLines);
  int Connections = 0;
  for (std::size_t I = 0; I < Lines.size(); ++I) {
    const std::string& T = Lines[I];
    if (T == ConclusionKeyword || T == ExceptionKeyword || T == IfKeyword) {
      if (++Connections > MaxConnectionEntries) {
        Lines.resize(I);
        return;
      }
    }
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

// Save and Open in memory: the file's lines replayed into a new line must write the same file.
void CheckSaveAndOpenAgree(THeadlessPlatform& Platform, TMainWindowCore& Core) {
  const std::vector<std::string> Saved =
      TranscriptFileLines(*State().LineOfArgumentation, State().ForwardLines);
  Core.NewLineOfArgumentation();
  Platform.SetTranscriptViewLines(Saved);
  Core.InterpretTranscript();
  if (TranscriptFileLines(*State().LineOfArgumentation, State().ForwardLines) != Saved)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Bytes(reinterpret_cast<const char*>(Data), Size);
  std::vector<std::string> Lines = ReadLines(Bytes);
  CapEntries(Lines);

  ResetProgramState();
  // The language decides which warrants count and how "IF" forms read.
  State().Language = Size % 3 == 0 ? TLanguage::Dutch : TLanguage::English;
  {
    THeadlessPlatform Platform;
    TMainWindowCore Core(Platform);
    Platform.SetTranscriptViewLines(std::move(Lines));
    Core.InterpretTranscript();

    // The commands come from the input's last bytes, which are also part of its text.
    const std::size_t Commands = std::min(Size, MaxCommands);
    for (std::size_t I = Size - Commands; I < Size; ++I)
      RunCommand(Core, Data[I]);

    CheckSaveAndOpenAgree(Platform, Core);
    ResetProgramState();
  }
  return 0;
}
