#pragma once

#include <string>
#include <variant>
#include <vector>

#include "session/Language.h"

namespace palaver {

// The edits that palaver-cli applies after opening a file, in the order given on the command
// line; each does what the window's button or dialog would do.
enum class TEditKind { Back, Forward, DeleteStatement, DeleteConnection, DeleteException };

struct TEdit {
  TEditKind Kind = TEditKind::Back;
  // The sentences the edit names: the statement; reason and conclusion; or exception, reason
  // and conclusion.
  std::vector<std::string> Sentences;
};

enum class TCliCommandKind { Help, Evaluate, Render, Export };
enum class TRenderView { Arguments, Statements };
enum class TRenderFormat { Png, Svg, Pdf };
// The interchange formats of export: AIF-JSON, an Argdown document, a Graphviz graph.
enum class TExportFormat { Aif, Argdown, Dot };

// The smallest and largest surface width render accepts; below 1 there is nothing to draw on,
// and beyond the upper bound an image would no longer be a picture of a window.
inline constexpr int MinRenderWidth = 1;
inline constexpr int MaxRenderWidth = 32767;

struct TCliCommand {
  TCliCommandKind Kind = TCliCommandKind::Help;
  // For Help: the command whose options are asked for, or empty for the overview.
  std::string HelpTopic;

  TLanguage Language = TLanguage::English;
  std::vector<TEdit> Edits;
  std::string FileName;

  // render and export: the file to write; export writes to standard output when it is empty.
  std::string OutputPath;

  // render only.
  TRenderView View = TRenderView::Arguments;
  bool StructureOnly = false;
  int Width = 0;  // 0: the window's start-up surface width
  TRenderFormat Format = TRenderFormat::Png;

  // export only.
  TExportFormat ExportFormat = TExportFormat::Aif;
};

// A command line that palaver-cli cannot run; Command names the command it was meant for
// (empty when that is not known), so that the usage shown can be the one of that command.
struct TUsageError {
  std::string Message;
  std::string Command;
};

// Reads the arguments that follow the program name. Options may stand before or after FILE;
// an option's values are the arguments that follow it, taken as they are (so a sentence may
// start with "-"); "--" ends the options; single-valued options also take "--name=value".
// --help (or -h) in an option's place asks for help and wins over everything else.
std::variant<TCliCommand, TUsageError> ParseCommandLine(const std::vector<std::string>& Arguments);

// The text of --help: the overview, or the options of "evaluate", "render" or "export".
std::string HelpText(const std::string& Topic);

// The short reminder printed after a usage error.
std::string UsageText(const std::string& Command);

}  // namespace palaver
