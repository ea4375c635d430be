#include "cli/CommandLine.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>

#include "views/DiagramLayout.h"

namespace palaver {

namespace {

constexpr std::string_view EvaluateCommand = "evaluate";
constexpr std::string_view RenderCommand = "render";
constexpr std::string_view ExportCommand = "export";

enum class TOptionId {
  Language,
  View,
  StructureOnly,
  Width,
  Output,
  Format,
  Back,
  Forward,
  DeleteStatement,
  DeleteConnection,
  DeleteException
};

// The commands an option belongs to, as a set of bits.
enum TCommandSet : unsigned {
  ForEvaluate = 1,
  ForRender = 2,
  ForExport = 4,
  ForAll = ForEvaluate | ForRender | ForExport
};

struct TOptionRule {
  std::string_view Name;
  TOptionId Id;
  int ValueCount;
  unsigned Commands;
  // How the values are named in messages.
  std::string_view ValueNames;
};

constexpr std::array<TOptionRule, 12> Options = {{
    {"--language", TOptionId::Language, 1, ForAll, "english|dutch"},
    {"--view", TOptionId::View, 1, ForRender, "arguments|statements"},
    {"--structure-only", TOptionId::StructureOnly, 0, ForRender, ""},
    {"--width", TOptionId::Width, 1, ForRender, "PIXELS"},
    {"-o", TOptionId::Output, 1, ForRender | ForExport, "OUT"},
    {"--output", TOptionId::Output, 1, ForRender | ForExport, "OUT"},
    {"--format", TOptionId::Format, 1, ForExport, "aif|argdown|dot"},
    {"--back", TOptionId::Back, 0, ForAll, ""},
    {"--forward", TOptionId::Forward, 0, ForAll, ""},
    {"--delete-statement", TOptionId::DeleteStatement, 1, ForAll, "S"},
    {"--delete-connection", TOptionId::DeleteConnection, 2, ForAll, "REASON CONCLUSION"},
    {"--delete-exception", TOptionId::DeleteException, 3, ForAll, "EXCEPTION REASON CONCLUSION"},
}};

unsigned CommandBit(TCliCommandKind Kind) {
  switch (Kind) {
    case TCliCommandKind::Render:
      return ForRender;
    case TCliCommandKind::Export:
      return ForExport;
    case TCliCommandKind::Evaluate:
    case TCliCommandKind::Help:
      break;
  }
  return ForEvaluate;
}

// "render only", "render and export only".
std::string CommandsOf(unsigned Commands) {
  std::string Names;
  const std::pair<unsigned, std::string_view> All[] = {
      {ForEvaluate, EvaluateCommand}, {ForRender, RenderCommand}, {ForExport, ExportCommand}};
  for (const auto& [Bit, Name] : All) {
    if ((Commands & Bit) == 0) continue;
    if (!Names.empty()) Names += " and ";
    Names += Name;
  }
  return Names + " only";
}

const TOptionRule* FindOption(std::string_view Name) {
  for (const TOptionRule& Rule : Options)
    if (Rule.Name == Name) return &Rule;
  return nullptr;
}

bool IsHelpOption(std::string_view Argument) {
  return Argument == "--help" || Argument == "-h";
}

// A lone "-" is an ordinary argument (a file of that name), as is anything after "--".
bool LooksLikeOption(std::string_view Argument) {
  return Argument.size() > 1 && Argument.front() == '-';
}

std::optional<int> ParseWidth(std::string_view Text) {
  if (Text.empty() || Text.size() > 6) return std::nullopt;
  int Value = 0;
  for (const char C : Text) {
    if (!std::isdigit(static_cast<unsigned char>(C))) return std::nullopt;
    Value = Value * 10 + (C - '0');
  }
  if (Value < MinRenderWidth || Value > MaxRenderWidth) return std::nullopt;
  return Value;
}

std::string LowerCase(std::string_view Text) {
  std::string Result(Text);
  for (char& C : Result)
    C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
  return Result;
}

// The output type from the extension of the file-name part, in any letter case.
std::optional<TRenderFormat> FormatOfPath(std::string_view Path) {
  const std::string_view Name = Path.substr(Path.find_last_of('/') + 1);
  const std::size_t Dot = Name.find_last_of('.');
  if (Dot == std::string_view::npos) return std::nullopt;
  const std::string Extension = LowerCase(Name.substr(Dot));
  if (Extension == ".png") return TRenderFormat::Png;
  if (Extension == ".svg") return TRenderFormat::Svg;
  if (Extension == ".pdf") return TRenderFormat::Pdf;
  return std::nullopt;
}

// Reads the options and FILE of one command. The first problem met is kept, but the scan goes
// on, so that a --help further on still gets its help.
class TCommandParser {
 public:
  TCommandParser(std::string Command, const std::vector<std::string>& Arguments)
      : Command(std::move(Command)), Arguments(Arguments) {
    Result.Kind = this->Command == RenderCommand   ? TCliCommandKind::Render
                  : this->Command == ExportCommand ? TCliCommandKind::Export
                                                   : TCliCommandKind::Evaluate;
  }

  std::variant<TCliCommand, TUsageError> Parse() {
    bool OptionsEnded = false;
    for (Next = 1; Next < Arguments.size();) {
      const std::string& Argument = Arguments[Next++];
      if (!OptionsEnded && Argument == "--") {
        OptionsEnded = true;
      } else if (!OptionsEnded && IsHelpOption(Argument)) {
        TCliCommand Help;
        Help.Kind = TCliCommandKind::Help;
        Help.HelpTopic = Command;
        return Help;
      } else if (!OptionsEnded && LooksLikeOption(Argument)) {
        ReadOption(Argument);
      } else if (!FileSeen) {
        Result.FileName = Argument;
        FileSeen = true;
      } else {
        Fail("more than one FILE given ('" + Result.FileName + "' and '" + Argument + "')");
      }
    }
    if (!FileSeen) Fail("no FILE given");
    if (Result.Kind == TCliCommandKind::Render && Result.OutputPath.empty())
      Fail("render needs -o OUT.png, OUT.svg or OUT.pdf");
    if (Result.Kind == TCliCommandKind::Export && !FormatSeen)
      Fail("export needs --format aif, argdown or dot");
    if (Error) return *Error;
    return Result;
  }

 private:
  void Fail(std::string Message) {
    if (!Error) Error = TUsageError{std::move(Message), Command};
  }

  void ReadOption(const std::string& Argument) {
    // "--name=value" for the options that take one value.
    std::string_view Name = Argument;
    std::optional<std::string> InlineValue;
    const std::size_t Equals = Argument.find('=');
    if (Argument.starts_with("--") && Equals != std::string::npos) {
      Name = std::string_view(Argument).substr(0, Equals);
      InlineValue = Argument.substr(Equals + 1);
    }
    const TOptionRule* Rule = FindOption(Name);
    if (Rule == nullptr) return Fail("unknown option '" + std::string(Name) + "'");
    if ((Rule->Commands & CommandBit(Result.Kind)) == 0)
      return Fail(std::string(Rule->Name) + " is an option of " + CommandsOf(Rule->Commands));

    std::vector<std::string> Values;
    if (InlineValue) {
      if (Rule->ValueCount != 1)
        return Fail(std::string(Rule->Name) + " does not take a value after '='");
      Values.push_back(*InlineValue);
    } else {
      const std::size_t Wanted = static_cast<std::size_t>(Rule->ValueCount);
      if (Arguments.size() - Next < Wanted) {
        Next = Arguments.size();
        const bool RenderOutput =
            Rule->Id == TOptionId::Output && Result.Kind == TCliCommandKind::Render;
        return Fail(std::string(Rule->Name) + " needs " +
                    std::string(RenderOutput ? "OUT.png|OUT.svg|OUT.pdf" : Rule->ValueNames));
      }
      Values.assign(Arguments.begin() + static_cast<long>(Next),
                    Arguments.begin() + static_cast<long>(Next + Wanted));
      Next += Wanted;
    }
    Apply(*Rule, std::move(Values));
  }

  void Apply(const TOptionRule& Rule, std::vector<std::string> Values) {
    switch (Rule.Id) {
      case TOptionId::Language:
        if (Values[0] == "english")
          Result.Language = TLanguage::English;
        else if (Values[0] == "dutch")
          Result.Language = TLanguage::Dutch;
        else
          Fail("--language takes english or dutch, not '" + Values[0] + "'");
        break;
      case TOptionId::View:
        if (Values[0] == "arguments")
          Result.View = TRenderView::Arguments;
        else if (Values[0] == "statements")
          Result.View = TRenderView::Statements;
        else
          Fail("--view takes arguments or statements, not '" + Values[0] + "'");
        break;
      case TOptionId::StructureOnly:
        Result.StructureOnly = true;
        break;
      case TOptionId::Width:
        if (const std::optional<int> Width = ParseWidth(Values[0]))
          Result.Width = *Width;
        else
          Fail("--width takes a whole number of pixels from " + std::to_string(MinRenderWidth) +
               " to " + std::to_string(MaxRenderWidth) + ", not '" + Values[0] + "'");
        break;
      case TOptionId::Output:
        // An export is text of the format asked for, whatever the file is called.
        if (Result.Kind == TCliCommandKind::Export) {
          if (Values[0].empty())
            Fail("-o needs a file name");
          else
            Result.OutputPath = Values[0];
        } else if (const std::optional<TRenderFormat> Format = FormatOfPath(Values[0])) {
          Result.OutputPath = Values[0];
          Result.Format = *Format;
        } else {
          Fail("the output file '" + Values[0] + "' must end in .png, .svg or .pdf");
        }
        break;
      case TOptionId::Format:
        FormatSeen = true;
        if (Values[0] == "aif")
          Result.ExportFormat = TExportFormat::Aif;
        else if (Values[0] == "argdown")
          Result.ExportFormat = TExportFormat::Argdown;
        else if (Values[0] == "dot")
          Result.ExportFormat = TExportFormat::Dot;
        else
          Fail("--format takes aif, argdown or dot, not '" + Values[0] + "'");
        break;
      case TOptionId::Back:
        Result.Edits.push_back({TEditKind::Back, {}});
        break;
      case TOptionId::Forward:
        Result.Edits.push_back({TEditKind::Forward, {}});
        break;
      case TOptionId::DeleteStatement:
        Result.Edits.push_back({TEditKind::DeleteStatement, std::move(Values)});
        break;
      case TOptionId::DeleteConnection:
        Result.Edits.push_back({TEditKind::DeleteConnection, std::move(Values)});
        break;
      case TOptionId::DeleteException:
        Result.Edits.push_back({TEditKind::DeleteException, std::move(Values)});
        break;
    }
  }

  std::string Command;
  const std::vector<std::string>& Arguments;
  std::size_t Next = 1;
  bool FileSeen = false;
  bool FormatSeen = false;
  TCliCommand Result;
  std::optional<TUsageError> Error;
};

constexpr std::string_view OverviewHelp =
    R"(Usage: palaver-cli <command> [options] FILE

Opens a line of argumentation (a .lin file, or rich text) as the window's Open does:
the moves up to "CURRENT POSITION" are replayed and the rest is kept as the forward
lines. The edits given as options are then made in the order given, and the result
is printed or drawn. Every question the window would ask is answered Yes.

Commands:
  evaluate   print the current stage as JSON
  render     draw the arguments or statements view to a PNG, SVG or PDF file
  export     write the current stage as AIF-JSON, Argdown or a Graphviz graph

Options:
  -h, --help   show this help; 'palaver-cli <command> --help' shows a command's options

Dialectical arguments share their parts, so written out in full they can be far larger than
what they are made of: the JSON's trees stop after 250,000 nodes, and the object then ends
with "cut": {"limit": 250000, "total": N}. A move whose evaluation would pass Palaver's
limit (300,000 dialectical arguments for the statements on cycles of reasons) is not made:
the replay stops before it, its lines and all after them stay as the forward lines, and the
output shows the stage reached.

Exit status: 0 done, 1 a file could not be read or written, 2 the command line is wrong,
3 the replay stopped at a move past an evaluation limit (the message is on standard error).
)";

constexpr std::string_view CommonOptionsHelp =
    R"(  --language english|dutch
        the language of the warrant sentences: it decides which warrant statements are
        recognised, the wording of the warrants of "IF" forms and which warrants a
        deletion takes along (default: english)
  -h, --help
        show this help

Edits, made in the order given, each as the window's button or Delete would do it:
  --back
        undo the last move; it joins the forward lines
  --forward
        redo the first forward move
  --delete-statement S
        delete the statement S with all its occurrences
  --delete-connection REASON CONCLUSION
        delete the connection from REASON to CONCLUSION, with its step warrant
  --delete-exception EXCEPTION REASON CONCLUSION
        delete the exception EXCEPTION from the connection REASON to CONCLUSION, with
        its undercutter warrant
A deletion of something the current stage does not hold does nothing. Values are
taken as they are, also when they start with "-"; use "--" before a FILE that does.
)";

constexpr std::string_view EvaluateHelp =
    R"(Usage: palaver-cli evaluate [--language english|dutch] [EDIT ...] FILE

Prints the current stage of the line of argumentation as one JSON object: language,
moves, statements, connections, arguments, maximal_dialectical_arguments,
forward_lines and transcript (the lines a Save would write). Lists are in the
stage's order. Text is UTF-8; a byte that is not part of valid UTF-8 is written as
the Latin-1 character of that byte. The layout is fixed: two spaces of indentation
per level, one member or element per line, "key": value with one blank, empty lists
as [] and a newline at the end, so equal lines give equal bytes.

Options:
)";

constexpr std::string_view RenderHelp =
    R"(Usage: palaver-cli render [--language english|dutch] [--view arguments|statements]
                          [--structure-only] [--width PIXELS] [EDIT ...] FILE
                          -o OUT.png|OUT.svg|OUT.pdf

Draws what the window shows for the current stage, with the window's own layout and
painter, without a display. The type of the output follows its extension.

Options:
  -o, --output OUT.png|OUT.svg|OUT.pdf
        the file to write; it is replaced safely
  --view arguments|statements
        the arguments view, which draws the maximal dialectical arguments (default),
        or the statements view, which draws every statement as a box
  --structure-only
        draw as with "Show structure only": all black, regular text, no icons
  --width PIXELS
        the width of the drawing surface, from 1 to 32767 (default: the window's width
        at start-up, {width}); the text is wrapped to it and the picture is this wide
)";

constexpr std::string_view ExportHelp =
    R"(Usage: palaver-cli export --format aif|argdown|dot [--language english|dutch]
                          [EDIT ...] FILE [-o OUT]

Writes the statements and connections of the current stage in an interchange format,
with every statement's type and status. Equal lines give equal bytes.

Options:
  --format aif|argdown|dot
        aif: AIF-JSON for argument databases and analysis tools: every statement an
          I-node, every connection an RA-node, every exception a CA-node against the
          RA-node of the step it blocks, and a recognised warrant statement an edge into
          the RA- or CA-node; types, statuses and kinds in the top-level "palaver"
          object, keyed by node ID
        argdown: an Argdown document: statements as [S<id>] with #issue or
          #assumption and #justified or #unjustified, supports as +>, defeating
          connections as ->, and a connection with exceptions or a recognised warrant as
          the argument <C<n>>, which the exceptions undercut (_>)
        dot: a Graphviz graph: justified statements green with a solid border,
          unjustified ones red with a dashed border; each connection and exception meets
          at a small point
  -o, --output OUT
        the file to write, replaced safely (default: standard output)
)";

}  // namespace

std::variant<TCliCommand, TUsageError> ParseCommandLine(const std::vector<std::string>& Arguments) {
  if (Arguments.empty()) return TUsageError{"no command given", ""};
  const std::string& First = Arguments[0];
  if (IsHelpOption(First)) {
    TCliCommand Help;
    Help.Kind = TCliCommandKind::Help;
    return Help;
  }
  if (First != EvaluateCommand && First != RenderCommand && First != ExportCommand) {
    if (LooksLikeOption(First)) return TUsageError{"unknown option '" + First + "'", ""};
    return TUsageError{"unknown command '" + First + "'", ""};
  }
  return TCommandParser(First, Arguments).Parse();
}

std::string HelpText(const std::string& Topic) {
  if (Topic == EvaluateCommand) return std::string(EvaluateHelp) + std::string(CommonOptionsHelp);
  if (Topic == RenderCommand) {
    std::string Text = std::string(RenderHelp) + std::string(CommonOptionsHelp);
    const std::size_t At = Text.find("{width}");
    if (At != std::string::npos) Text.replace(At, 7, std::to_string(StartupSurfaceWidth));
    return Text;
  }
  if (Topic == ExportCommand) return std::string(ExportHelp) + std::string(CommonOptionsHelp);
  return std::string(OverviewHelp);
}

std::string UsageText(const std::string& Command) {
  std::string Text;
  if (Command.empty() || Command == EvaluateCommand)
    Text += "Usage: palaver-cli evaluate [--language english|dutch] [EDIT ...] FILE\n";
  if (Command.empty() || Command == RenderCommand)
    Text +=
        "Usage: palaver-cli render [--language english|dutch] [--view arguments|statements]\n"
        "         [--structure-only] [--width PIXELS] [EDIT ...] FILE -o OUT.png|OUT.svg|OUT.pdf\n";
  if (Command.empty() || Command == ExportCommand)
    Text +=
        "Usage: palaver-cli export --format aif|argdown|dot [--language english|dutch]\n"
        "         [EDIT ...] FILE [-o OUT]\n";
  Text += "Try 'palaver-cli " + (Command.empty() ? std::string() : Command + " ") +
          "--help' for more information.\n";
  return Text;
}

}  // namespace palaver
