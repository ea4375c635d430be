#include "cli/CliCommands.h"

#include <ostream>
#include <variant>

#include "session/PlatformError.h"
#include "session/ProgramState.h"
#include "cli/CliRender.h"
#include "cli/CliSession.h"
#include "cli/EvaluationJson.h"
#include "cli/ExportFormats.h"

namespace palaver {

namespace {

int Run(const TCliCommand& Command, std::ostream& Out, std::ostream& Err) {
  if (Command.Kind == TCliCommandKind::Help) {
    Out << HelpText(Command.HelpTopic) << std::flush;
    return ExitSuccess;
  }
  try {
    TCliSession Session(Command.Language);
    Session.Open(Command.FileName);
    for (const TEdit& Edit : Command.Edits)
      Session.Apply(Edit);
    const TLineOfArgumentation& Line = *State().LineOfArgumentation;
    if (Command.Kind == TCliCommandKind::Render) {
      RenderStage(Command, *Line.CurrentStage);
      return ExitSuccess;
    }
    if (Command.Kind == TCliCommandKind::Export) {
      static const TArgumentationStage EmptyStage;
      const TArgumentationStage& Stage = Line.CurrentStage ? *Line.CurrentStage : EmptyStage;
      const std::string Text =
          ExportText(BuildExportGraph(Stage, State().Language), Command.ExportFormat);
      if (!Command.OutputPath.empty()) {
        WriteExportFile(Command.OutputPath, Text);
        return ExitSuccess;
      }
      Out << Text << std::flush;
    } else {
      Out << EvaluationJson(Line, State().ForwardLines, State().Language) << std::flush;
    }
    if (!Out) {
      Err << "Unable to write to standard output\n";
      return ExitPlatformError;
    }
    return ExitSuccess;
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

int RunPalaverCli(const std::vector<std::string>& Arguments, std::ostream& Out, std::ostream& Err) {
  const auto Parsed = ParseCommandLine(Arguments);
  if (const auto* Error = std::get_if<TUsageError>(&Parsed)) {
    Err << "palaver-cli: " << Error->Message << '\n' << UsageText(Error->Command) << std::flush;
    return ExitUsageError;
  }
  return Run(std::get<TCliCommand>(Parsed), Out, Err);
}

}  // namespace palaver
