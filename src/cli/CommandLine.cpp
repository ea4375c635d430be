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

enum class TOptionId {
  Language,
  View,
  StructureOnly,
  Width,
  Output,
  Back,
  Forward,
  DeleteStatement,
  DeleteConnection,
  DeleteException
};

struct TOptionSpec {
  std::string_view Name;
  TOptionId Id;
  int ValueCount;
  bool RenderOnly;
  // How the values are named in messages.
  std::string_view ValueNames;
};

constexpr std::array<TOptionSpec, 11> Options = {{
    {"--language", TOptionId::Language, 1, false, "english|dutch"},
    {"--view", TOptionId::View, 1, true, "arguments|statements"},
    {"--structure-only", TOptionId::StructureOnly, 0, true, ""},
    {"--width", TOptionId::Width, 1, true, "PIXELS"},
    {"-o", TOptionId::Output, 1, true, "OUT.png|OUT.svg|OUT.pdf"},
    {"--output", TOptionId::Output, 1, true, "OUT.png|OUT.svg|OUT.pdf"},
    {"--back", TOptionId::Back, 0, false, ""},
    {"--forward", TOptionId::Forward, 0, false, ""},
    {"--delete-statement", TOptionId::DeleteStatement, 1, false, "S"},
    {"--delete-connection", TOptionId::DeleteConnection, 2, false, "REASON CONCLUSION"},
    {"--delete-exception", TOptionId::DeleteException, 3, false, "EXCEPTION REASON CONCLUSION"},
}};

const TOptionSpec* FindOption(std::string_view Name) {
  for (const TOptionSpec& Spec : Options)
    if (Spec.Name == Name) return &Spec;
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
    Result.Kind =
        this->Command == RenderCommand ? TCliCommandKind::Render : TCliCommandKind::Evaluate;
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
    const TOptionSpec* Spec = FindOption(Name);
    if (Spec == nullptr) return Fail("unknown option '" + std::string(Name) + "'");
    if (Spec->RenderOnly && Result.Kind != TCliCommandKind::Render)
      return Fail(std::string(Spec->Name) + " is an option of render only");

    std::vector<std::string> Values;
    if (InlineValue) {
      if (Spec->ValueCount != 1)
        return Fail(std::string(Spec->Name) + " does not take a value after '='");
      Values.push_back(*InlineValue);
    } else {
      const std::size_t Wanted = static_cast<std::size_t>(Spec->ValueCount);
      if (Arguments.size() - Next < Wanted) {
        Next = Arguments.size();
        return Fail(std::string(Spec->Name) + " needs " + std::string(Spec->ValueNames));
      }
      Values.assign(Arguments.begin() + static_cast<long>(Next),
                    Arguments.begin() + static_cast<long>(Next + Wanted));
      Next += Wanted;
    }
    Apply(*Spec, std::move(Values));
  }

  void Apply(const TOptionSpec& Spec, std::vector<std::string> Values) {
    switch (Spec.Id) {
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
        if (const std::optional<TRenderFormat> Format = FormatOfPath(Values[0])) {
          Result.OutputPath = Values[0];
          Result.Format = *Format;
        } else {
          Fail("the output file '" + Values[0] + "' must end in .png, .svg or .pdf");
        }
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

Options:
  -h, --help   show this help; 'palaver-cli <command> --help' shows a command's options

Exit status: 0 done, 1 a file could not be read or written, 2 the command line is wrong.
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

}  // namespace

std::variant<TCliCommand, TUsageError> ParseCommandLine(const std::vector<std::string>& Arguments) {
  if (Arguments.empty()) return TUsageError{"no command given", ""};
  const std::string& First = Arguments[0];
  if (IsHelpOption(First)) {
    TCliCommand Help;
    Help.Kind = TCliCommandKind::Help;
    return Help;
  }
  if (First != EvaluateCommand && First != RenderCommand) {
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
  return std::string(OverviewHelp);
}

std::string UsageText(const std::string& Command) {
  std::string Text;
  if (Command != RenderCommand)
    Text += "Usage: palaver-cli evaluate [--language english|dutch] [EDIT ...] FILE\n";
  if (Command != EvaluateCommand)
    Text +=
        "Usage: palaver-cli render [--language english|dutch] [--view arguments|statements]\n"
        "         [--structure-only] [--width PIXELS] [EDIT ...] FILE -o OUT.png|OUT.svg|OUT.pdf\n";
  Text += "Try 'palaver-cli " + (Command.empty() ? std::string() : Command + " ") +
          "--help' for more information.\n";
  return Text;
}

}  // namespace palaver
