#include "cli/CliCommands.h"

#include <memory>
#include <ostream>
#include <string>
#include <variant>

#include "cli/CliRender.h"
#include "cli/CliSession.h"
#include "cli/EvaluationJson.h"
#include "cli/ExportFormats.h"
#include "line/LineTexts.h"
#include "session/PlatformError.h"
#include "session/ProgramState.h"

namespace palaver {

namespace {

// The message box's text as lines of standard error.
std::string ErrorLines(const std::string& Text) {
  std::string Lines;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    if (Text.compare(I, 2, "\r\n") == 0) {
      if (!Lines.empty() && Lines.back() != '\n') Lines += '\n';
      ++I;
      continue;
    }
    Lines += Text[I];
  }
  while (!Lines.empty() && (Lines.back() == ' ' || Lines.back() == '\n'))
    Lines.pop_back();
  return Lines + '\n';
}

int Run(const TCliCommand& Command, std::ostream& Out, std::ostream& Err, bool LeaveLineToExit,
        const TEvaluationLimits& Limits) {
  if (Command.Kind == TCliCommandKind::Help) {
    Out << HelpText(Command.HelpTopic) << std::flush;
    return ExitSuccess;
  }
  try {
    // The session ends with the command, unless the process is about to end anyway.
    auto Owned = std::make_unique<TCliSession>(Command.Language, Limits);
    struct TEnd {
      std::unique_ptr<TCliSession>& Owned;
      bool Leave;
      ~TEnd() {
        if (Leave) static_cast<void>(Owned.release());
      }
    } End{Owned, LeaveLineToExit};
    TCliSession& Session = *Owned;
    // A replay that stops at a move past a limit is told on standard error; the output is
    // still made, of the stage reached.
    int Status = ExitSuccess;
    const auto Told = [&] {
      const auto& Stop = Session.Core.LastReplayStop;
      if (!Stop) return;
      Err << "palaver-cli: "
          << ErrorLines(ReplayLimitText(State().Language, Stop->Limit, Stop->MovesMade))
          << std::flush;
      Status = ExitEvaluationLimit;
    };
    Session.Open(Command.FileName);
    Told();
    for (const TEdit& Edit : Command.Edits) {
      Session.Apply(Edit);
      Told();
    }
    const TLineOfArgumentation& Line = *State().LineOfArgumentation;
    if (Command.Kind == TCliCommandKind::Render) {
      RenderStage(Command, *Line.CurrentStage);
      return Status;
    }
    if (Command.Kind == TCliCommandKind::Export) {
      static const TArgumentationStage EmptyStage;
      const TArgumentationStage& Stage = Line.CurrentStage ? *Line.CurrentStage : EmptyStage;
      const std::string Text =
          ExportText(BuildExportGraph(Stage, State().Language), Command.ExportFormat);
      if (!Command.OutputPath.empty()) {
        WriteExportFile(Command.OutputPath, Text);
        return Status;
      }
      Out << Text << std::flush;
    } else {
      WriteEvaluationJson(Out, Line, State().ForwardLines, State().Language,
                          State().ForwardLinesAreRest);
      Out << std::flush;
    }
    if (!Out) {
      Err << "Unable to write to standard output\n";
      return ExitPlatformError;
    }
    return Status;
  } catch (const TPlatformError& Error) {
    Err << Error.what() << '\n';
    return ExitPlatformError;
  }
}

}  // namespace

bool NeedsGuiApplication(const std::vector<std::string>& Arguments) {
  const auto Parsed = ParseCommandLine(Arguments);
  const auto* Command = std::get_if<TCliCommand>(&Parsed);
  return Command != nullptr && Command->Kind == TCliCommandKind::Render;
}

int RunPalaverCli(const std::vector<std::string>& Arguments, std::ostream& Out, std::ostream& Err,
                  bool LeaveLineToExit, const TEvaluationLimits& Limits) {
  const auto Parsed = ParseCommandLine(Arguments);
  if (const auto* Error = std::get_if<TUsageError>(&Parsed)) {
    Err << "palaver-cli: " << Error->Message << '\n' << UsageText(Error->Command) << std::flush;
    return ExitUsageError;
  }
  return Run(std::get<TCliCommand>(Parsed), Out, Err, LeaveLineToExit, Limits);
}

}  // namespace palaver
