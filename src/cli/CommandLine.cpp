#include "cli/CommandLine.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/EvaluationJson.h"
#include "cli/JsonWriter.h"
#include "model/GroupedDigits.h"
#include "views/DiagramLayout.h"

namespace palaver {

namespace {

constexpr std::string_view EvaluateCommand = "evaluate";
constexpr std::string_view RenderCommand = "render";
constexpr std::string_view ExportCommand = "export";

enum class TOptionId {
  Format,
  Output,
  View,
  StructureOnly,
  Width,
  Language,
  Help,
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

// What an option is: a setting, which a usage line shows (in brackets unless Required, before
// FILE unless AfterFile); an edit, which it shows only as "[EDIT ...]"; or --help, which it leaves
// out.
enum class TOptionKind { Setting, Edit, Help };

// One option as the parser reads it and as the usage lines and the help show it. An option
// whose meaning differs between commands (-o) has a row per meaning.
struct TOptionRule {
  std::string_view Name;
  // Another name for the same option, shown first ("-o, --output"); empty if none.
  std::string_view ShortName;
  TOptionId Id;
  int ValueCount;
  unsigned Commands;
  // How the values are named in the usage, the help and the messages; the alternatives of a
  // single value are separated by '|'.
  std::string_view ValueNames;
  TOptionKind Kind;
  bool Required;
  bool AfterFile;
  // The help's description: lines, each indented by eight blanks when shown.
  std::string_view Description;
  // The overview's one-line description; the overview lists only the options that have one.
  std::string_view Overview = {};
};

// The order of the table is the order of the help: a command's own options first, then those
// of every command, then the edits.
constexpr TOptionRule Options[] = {
    {"--format", "", TOptionId::Format, 1, ForExport, "aif|argdown|dot", TOptionKind::Setting, true,
     false,
     "aif: AIF-JSON for argument databases and analysis tools: every statement an\n"
     "  I-node, every connection an RA-node, every exception a CA-node against the\n"
     "  RA-node of the step it blocks, and a recognised warrant statement an edge into\n"
     "  the RA- or CA-node; types, statuses and kinds in the top-level \"palaver\"\n"
     "  object, keyed by node ID\n"
     "argdown: an Argdown document: statements as [S<id>] with #issue or\n"
     "  #assumption and #justified or #unjustified, supports as +>, defeating\n"
     "  connections as ->, and a connection with exceptions or a recognised warrant as\n"
     "  the argument <C<n>>, which the exceptions undercut (_>)\n"
     "dot: a Graphviz graph: justified statements green with a solid border,\n"
     "  unjustified ones red with a dashed border; each connection and exception meets\n"
     "  at a small point"},
    {"--output", "-o", TOptionId::Output, 1, ForRender, "OUT.png|OUT.svg|OUT.pdf",
     TOptionKind::Setting, true, true, "the file to write; it is replaced safely"},
    {"--output", "-o", TOptionId::Output, 1, ForExport, "OUT", TOptionKind::Setting, false, true,
     "the file to write, replaced safely (default: standard output)"},
    {"--view", "", TOptionId::View, 1, ForRender, "arguments|statements", TOptionKind::Setting,
     false, false,
     "the arguments view, which draws the maximal dialectical arguments (default),\n"
     "or the statements view, which draws every statement as a box"},
    {"--structure-only", "", TOptionId::StructureOnly, 0, ForRender, "", TOptionKind::Setting,
     false, false, "draw as with \"Show structure only\": all black, regular text, no icons"},
    {"--width", "", TOptionId::Width, 1, ForRender, "PIXELS", TOptionKind::Setting, false, false,
     "the width of the drawing surface, from 1 to 32767 (default: the window's width\n"
     "at start-up, {width}); the text is wrapped to it and the picture is this wide"},
    {"--language", "", TOptionId::Language, 1, ForAll, "english|dutch", TOptionKind::Setting, false,
     false,
     "the language of the warrant sentences: it decides which warrant statements are\n"
     "recognised, the wording of the warrants of \"IF\" forms and which warrants a\n"
     "deletion takes along (default: english)"},
    {"--help", "-h", TOptionId::Help, 0, ForAll, "", TOptionKind::Help, false, false,
     "show this help", "show this help; 'palaver-cli <command> --help' shows a command's options"},
    {"--back", "", TOptionId::Back, 0, ForAll, "", TOptionKind::Edit, false, false,
     "undo the last move; it joins the forward lines"},
    {"--forward", "", TOptionId::Forward, 0, ForAll, "", TOptionKind::Edit, false, false,
     "redo the first forward move"},
    {"--delete-statement", "", TOptionId::DeleteStatement, 1, ForAll, "S", TOptionKind::Edit, false,
     false, "delete the statement S with all its occurrences"},
    {"--delete-connection", "", TOptionId::DeleteConnection, 2, ForAll, "REASON CONCLUSION",
     TOptionKind::Edit, false, false,
     "delete the connection from REASON to CONCLUSION, with its step warrant"},
    {"--delete-exception", "", TOptionId::DeleteException, 3, ForAll, "EXCEPTION REASON CONCLUSION",
     TOptionKind::Edit, false, false,
     "delete the exception EXCEPTION from the connection REASON to CONCLUSION, with\n"
     "its undercutter warrant"},
};

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

bool IsNamed(const TOptionRule& Rule, std::string_view Name) {
  return Rule.Name == Name || (!Rule.ShortName.empty() && Rule.ShortName == Name);
}

// The commands that have an option of that name, as a set of bits; 0 for an unknown name.
unsigned CommandsWithOption(std::string_view Name) {
  unsigned Commands = 0;
  for (const TOptionRule& Rule : Options)
    if (IsNamed(Rule, Name)) Commands |= Rule.Commands;
  return Commands;
}

// The row of the option of that name that the command has.
const TOptionRule* FindOption(std::string_view Name, unsigned Command) {
  for (const TOptionRule& Rule : Options)
    if (IsNamed(Rule, Name) && (Rule.Commands & Command) != 0) return &Rule;
  return nullptr;
}

bool IsHelpOption(std::string_view Argument) {
  return Argument == "--help" || Argument == "-h";
}

// The name usage lines and messages use: the short one where there is one.
std::string_view ShownName(const TOptionRule& Rule) {
  return Rule.ShortName.empty() ? Rule.Name : Rule.ShortName;
}

// "aif|argdown|dot" as "aif, argdown or dot".
std::string Alternatives(std::string_view ValueNames) {
  std::string Text(ValueNames);
  const std::size_t Last = Text.rfind('|');
  if (Last == std::string::npos) return Text;
  Text.replace(Last, 1, " or ");
  for (std::size_t Bar = Text.find('|'); Bar != std::string::npos; Bar = Text.find('|', Bar))
    Text.replace(Bar, 1, ", ");
  return Text;
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
    for (const TOptionRule& Rule : Options) {
      if (!Rule.Required || !ForThisCommand(Rule) || Seen(Rule)) continue;
      Fail(Command + " needs " + std::string(ShownName(Rule)) + " " +
           Alternatives(Rule.ValueNames));
    }
    if (Error) return *Error;
    return Result;
  }

 private:
  void Fail(std::string Message) {
    if (!Error) Error = TUsageError{std::move(Message), Command};
  }

  // A value that is none of the option's alternatives.
  void Refuse(const TOptionRule& Rule, const std::string& Value) {
    Fail(std::string(Rule.Name) + " takes " + Alternatives(Rule.ValueNames) + ", not '" + Value +
         "'");
  }

  bool ForThisCommand(const TOptionRule& Rule) const {
    return (Rule.Commands & CommandBit(Result.Kind)) != 0;
  }

  bool Seen(const TOptionRule& Rule) const {
    return std::find(SeenRules.begin(), SeenRules.end(), &Rule) != SeenRules.end();
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
    const unsigned Commands = CommandsWithOption(Name);
    if (Commands == 0) return Fail("unknown option '" + std::string(Name) + "'");
    const TOptionRule* Rule = FindOption(Name, CommandBit(Result.Kind));
    if (Rule == nullptr)
      return Fail(std::string(Name) + " is an option of " + CommandsOf(Commands));
    SeenRules.push_back(Rule);

    std::vector<std::string> Values;
    if (InlineValue) {
      if (Rule->ValueCount != 1)
        return Fail(std::string(Name) + " does not take a value after '='");
      Values.push_back(*InlineValue);
    } else {
      const auto Wanted = static_cast<std::size_t>(Rule->ValueCount);
      if (Arguments.size() - Next < Wanted) {
        Next = Arguments.size();
        return Fail(std::string(Name) + " needs " + std::string(Rule->ValueNames));
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
          Refuse(Rule, Values[0]);
        break;
      case TOptionId::View:
        if (Values[0] == "arguments")
          Result.View = TRenderView::Arguments;
        else if (Values[0] == "statements")
          Result.View = TRenderView::Statements;
        else
          Refuse(Rule, Values[0]);
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
        if (Values[0] == "aif")
          Result.ExportFormat = TExportFormat::Aif;
        else if (Values[0] == "argdown")
          Result.ExportFormat = TExportFormat::Argdown;
        else if (Values[0] == "dot")
          Result.ExportFormat = TExportFormat::Dot;
        else
          Refuse(Rule, Values[0]);
        break;
      case TOptionId::Help:
        // Asked for in an option's place, it is read before any option (Parse).
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
  std::vector<const TOptionRule*> SeenRules;
  TCliCommand Result;
  std::optional<TUsageError> Error;
};

// Usage lines are wrapped before an item that would take them past this column.
constexpr std::size_t UsageWidth = 87;

// The help's figures, from the constants they describe.
std::string WithFigures(std::string Text) {
  const std::pair<std::string_view, std::string> Figures[] = {
      {"{width}", std::to_string(StartupSurfaceWidth)},
      {"{indent_levels}", std::to_string(MaxJsonIndentLevels)},
      {"{indent_blanks}", std::to_string(2 * MaxJsonIndentLevels)},
      {"{tree_bytes}", GroupedDigits(JsonTreeByteLimit, TLanguage::English)},
      {"{tree_byte_count}", std::to_string(JsonTreeByteLimit)},
  };
  for (const auto& [Name, Figure] : Figures)
    for (std::size_t At = Text.find(Name); At != std::string::npos; At = Text.find(Name, At))
      Text.replace(At, Name.size(), Figure);
  return Text;
}

unsigned CommandBitOf(std::string_view Command) {
  return Command == RenderCommand ? ForRender : Command == ExportCommand ? ForExport : ForEvaluate;
}

// "Usage: palaver-cli render [--language english|dutch] ... FILE -o OUT.png|OUT.svg|OUT.pdf":
// the required options before FILE, then the optional ones (those of every command first),
// "[EDIT ...]", FILE and the options that follow it. Continuation lines start with Indent
// blanks.
std::string UsageLine(std::string_view Command, std::size_t Indent) {
  const unsigned Bit = CommandBitOf(Command);
  std::vector<std::string> Items;
  const auto Add = [&](bool AfterFile, auto Wanted) {
    for (const TOptionRule& Rule : Options) {
      if ((Rule.Commands & Bit) == 0 || Rule.Kind != TOptionKind::Setting ||
          Rule.AfterFile != AfterFile || !Wanted(Rule))
        continue;
      std::string Item(ShownName(Rule));
      if (!Rule.ValueNames.empty()) Item += " " + std::string(Rule.ValueNames);
      Items.push_back(Rule.Required ? Item : "[" + Item + "]");
    }
  };
  Add(false, [](const TOptionRule& Rule) { return Rule.Required; });
  Add(false, [](const TOptionRule& Rule) { return !Rule.Required && Rule.Commands == ForAll; });
  Add(false, [](const TOptionRule& Rule) { return !Rule.Required && Rule.Commands != ForAll; });
  if (std::any_of(std::begin(Options), std::end(Options), [Bit](const TOptionRule& Rule) {
        return Rule.Kind == TOptionKind::Edit && (Rule.Commands & Bit) != 0;
      }))
    Items.emplace_back("[EDIT ...]");
  Items.emplace_back("FILE");
  Add(true, [](const TOptionRule& Rule) { return Rule.Required; });
  Add(true, [](const TOptionRule& Rule) { return !Rule.Required; });

  std::string Text = "Usage: palaver-cli " + std::string(Command);
  std::size_t LineStart = 0;
  bool LineHasItem = false;
  for (const std::string& Item : Items) {
    if (LineHasItem && Text.size() - LineStart + 1 + Item.size() > UsageWidth) {
      Text += '\n';
      LineStart = Text.size();
      Text.append(Indent, ' ');
    } else {
      Text += ' ';
    }
    Text += Item;
    LineHasItem = true;
  }
  return Text + '\n';
}

// One option of a command's help: its names and values, then its description indented.
std::string OptionHelp(const TOptionRule& Rule) {
  std::string Text = "  ";
  if (!Rule.ShortName.empty()) Text += std::string(Rule.ShortName) + ", ";
  Text += Rule.Name;
  if (!Rule.ValueNames.empty()) Text += " " + std::string(Rule.ValueNames);
  Text += '\n';
  std::string_view Rest = Rule.Description;
  while (!Rest.empty()) {
    const std::size_t End = std::min(Rest.find('\n'), Rest.size());
    Text += "        " + std::string(Rest.substr(0, End)) + '\n';
    Rest.remove_prefix(std::min(End + 1, Rest.size()));
  }
  return Text;
}

// The options of a command: its own, those of every command, then the edits.
std::string OptionsHelp(std::string_view Command) {
  const unsigned Bit = CommandBitOf(Command);
  std::string Own;
  std::string Common;
  std::string Edits;
  for (const TOptionRule& Rule : Options) {
    if ((Rule.Commands & Bit) == 0) continue;
    std::string& Part = Rule.Kind == TOptionKind::Edit ? Edits
                        : Rule.Commands == ForAll      ? Common
                                                       : Own;
    Part += OptionHelp(Rule);
  }
  std::string Text = "Options:\n" + Own + Common;
  if (!Edits.empty())
    Text +=
        "\nEdits, made in the order given, each as the window's button or Delete would do it:\n" +
        Edits +
        "A deletion of something the current stage does not hold does nothing. Values are\n"
        "taken as they are, also when they start with \"-\"; use \"--\" before a FILE that "
        "does.\n";
  return Text;
}

// The options the overview names, each on one line.
std::string OverviewOptions() {
  std::string Text = "Options:\n";
  for (const TOptionRule& Rule : Options) {
    if (Rule.Overview.empty()) continue;
    Text += "  ";
    if (!Rule.ShortName.empty()) Text += std::string(Rule.ShortName) + ", ";
    Text += std::string(Rule.Name) + "   " + std::string(Rule.Overview) + '\n';
  }
  return Text;
}

constexpr std::string_view OverviewIntro =
    R"(Usage: palaver-cli <command> [options] FILE

Opens a line of argumentation (a .lin file, or rich text) as the window's Open does:
the moves up to "CURRENT POSITION" are replayed and the rest is kept as the forward
lines. The edits given as options are then made in the order given, and the result
is printed or drawn. Every question the window would ask is answered Yes.

Commands:
  evaluate   print the current stage as JSON
  render     draw the arguments or statements view to a PNG, SVG or PDF file
  export     write the current stage as AIF-JSON, Argdown or a Graphviz graph

)";

constexpr std::string_view OverviewClosing =
    R"(
Dialectical arguments share their parts, so written out in full they can be far larger than
what they are made of: the JSON's trees stop once they have taken {tree_bytes} bytes, and the
object then ends with "cut" (see 'palaver-cli evaluate --help'). A move whose evaluation
would pass Palaver's limit (300,000 dialectical arguments for the statements on cycles of
reasons) is not made: the replay stops before it, its lines and all after them stay as the
forward lines, and the output shows the stage reached.

Exit status: 0 done, 1 a file could not be read or written, 2 the command line is wrong,
3 the replay stopped at a move past an evaluation limit (the message is on standard error).
)";

// What each command's help says between its usage and its options.
constexpr std::string_view EvaluateIntro =
    R"(
Prints the current stage of the line of argumentation as one JSON object: language,
moves, statements, connections, arguments, maximal_dialectical_arguments,
forward_lines and transcript (the lines a Save would write). Lists are in the
stage's order. Text is UTF-8; a byte that is not part of valid UTF-8 is written as
the Latin-1 character of that byte. The layout is fixed: two spaces of indentation
per level down to level {indent_levels} (deeper lines are indented as that one's, {indent_blanks} spaces),
one member or element per line, "key": value with one blank, empty lists as [] and
a newline at the end, so equal lines give equal bytes.

The trees (arguments and maximal_dialectical_arguments) share their parts in Palaver
and can be far larger written out. They begin no node once they have taken {tree_bytes}
bytes: their lists then end early, a dialectical argument that must stand somewhere is
null, and the object ends with "cut": {"byte_limit": {tree_byte_count}, "nodes_written": M,
"nodes_in_full": N}, M and N counting argument and dialectical-argument nodes. The rest
of the output is as large as the line of argumentation itself.

)";

constexpr std::string_view RenderIntro =
    R"(
Draws what the window shows for the current stage, with the window's own layout and
painter, without a display. The type of the output follows its extension.

)";

constexpr std::string_view ExportIntro =
    R"(
Writes the statements and connections of the current stage in an interchange format,
with every statement's type and status. Equal lines give equal bytes.

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
  // The usage line's continuations stand under its first option.
  const std::size_t Indent = std::string_view("Usage: palaver-cli ").size() + Topic.size() + 1;
  std::string Text;
  if (Topic == EvaluateCommand)
    Text = UsageLine(Topic, Indent) + std::string(EvaluateIntro) + OptionsHelp(Topic);
  else if (Topic == RenderCommand)
    Text = UsageLine(Topic, Indent) + std::string(RenderIntro) + OptionsHelp(Topic);
  else if (Topic == ExportCommand)
    Text = UsageLine(Topic, Indent) + std::string(ExportIntro) + OptionsHelp(Topic);
  else
    Text = std::string(OverviewIntro) + OverviewOptions() + std::string(OverviewClosing);
  return WithFigures(std::move(Text));
}

std::string UsageText(const std::string& Command) {
  std::string Text;
  for (const std::string_view Each : {EvaluateCommand, RenderCommand, ExportCommand})
    if (Command.empty() || Command == Each) Text += UsageLine(Each, 9);
  Text += "Try 'palaver-cli " + (Command.empty() ? std::string() : Command + " ") +
          "--help' for more information.\n";
  return Text;
}

}  // namespace palaver
