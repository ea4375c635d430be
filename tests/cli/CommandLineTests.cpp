#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "cli/CommandLine.h"

namespace palaver {
namespace {

TCliCommand Parsed(const std::vector<std::string>& Arguments) {
  auto Result = ParseCommandLine(Arguments);
  if (const auto* Error = std::get_if<TUsageError>(&Result)) {
    ADD_FAILURE() << "usage error: " << Error->Message;
    return {};
  }
  return std::get<TCliCommand>(Result);
}

std::string ErrorOf(const std::vector<std::string>& Arguments) {
  auto Result = ParseCommandLine(Arguments);
  const auto* Error = std::get_if<TUsageError>(&Result);
  return Error ? Error->Message : "(no error)";
}

TEST(CommandLine, KeepsTheEditsInTheirOrderAmongOtherOptions) {
  const TCliCommand C = Parsed({"render", "--delete-exception", "e", "r", "c", "--width", "300",
                                "--back", "in.lin", "--delete-connection", "r", "c", "-o",
                                "out.svg", "--forward", "--delete-statement", "s"});
  EXPECT_EQ(C.Kind, TCliCommandKind::Render);
  EXPECT_EQ(C.FileName, "in.lin");
  EXPECT_EQ(C.Width, 300);
  EXPECT_EQ(C.Format, TRenderFormat::Svg);
  ASSERT_EQ(C.Edits.size(), 5u);
  EXPECT_EQ(C.Edits[0].Kind, TEditKind::DeleteException);
  EXPECT_EQ(C.Edits[0].Sentences, (std::vector<std::string>{"e", "r", "c"}));
  EXPECT_EQ(C.Edits[1].Kind, TEditKind::Back);
  EXPECT_EQ(C.Edits[2].Kind, TEditKind::DeleteConnection);
  EXPECT_EQ(C.Edits[2].Sentences, (std::vector<std::string>{"r", "c"}));
  EXPECT_EQ(C.Edits[3].Kind, TEditKind::Forward);
  EXPECT_EQ(C.Edits[4].Sentences, (std::vector<std::string>{"s"}));
}

TEST(CommandLine, TakesValuesAsTheyAre) {
  // A sentence may look like an option, and "--" lets a file name do so too.
  const TCliCommand C = Parsed({"evaluate", "--delete-statement", "--back", "--delete-connection",
                                "", "-h", "--language=dutch", "--", "--odd.lin"});
  EXPECT_EQ(C.Language, TLanguage::Dutch);
  EXPECT_EQ(C.FileName, "--odd.lin");
  ASSERT_EQ(C.Edits.size(), 2u);
  EXPECT_EQ(C.Edits[0].Sentences, (std::vector<std::string>{"--back"}));
  EXPECT_EQ(C.Edits[1].Sentences, (std::vector<std::string>{"", "-h"}));
}

TEST(CommandLine, RenderDefaults) {
  const TCliCommand C = Parsed({"render", "in.lin", "--output=OUT.PDF"});
  EXPECT_EQ(C.View, TRenderView::Arguments);
  EXPECT_FALSE(C.StructureOnly);
  EXPECT_EQ(C.Width, 0);
  EXPECT_EQ(C.Format, TRenderFormat::Pdf);
  EXPECT_EQ(C.OutputPath, "OUT.PDF");
  const TCliCommand S = Parsed(
      {"render", "--view", "statements", "--structure-only", "in.lin", "-o", "dir.v2/x.png"});
  EXPECT_EQ(S.View, TRenderView::Statements);
  EXPECT_TRUE(S.StructureOnly);
  EXPECT_EQ(S.Format, TRenderFormat::Png);
}

TEST(CommandLine, HelpWinsWhereverItStands) {
  for (const auto& Arguments : std::vector<std::vector<std::string>>{
           {"--help"}, {"-h"}, {"render", "--bogus", "--help"}, {"evaluate", "x", "y", "-h"}}) {
    const TCliCommand C = Parsed(Arguments);
    EXPECT_EQ(C.Kind, TCliCommandKind::Help) << Arguments.back();
  }
  EXPECT_EQ(Parsed({"render", "--help"}).HelpTopic, "render");
}

TEST(CommandLine, ReportsUsageErrors) {
  EXPECT_EQ(ErrorOf({}), "no command given");
  EXPECT_EQ(ErrorOf({"draw", "x.lin"}), "unknown command 'draw'");
  EXPECT_EQ(ErrorOf({"--version"}), "unknown option '--version'");
  EXPECT_EQ(ErrorOf({"evaluate"}), "no FILE given");
  EXPECT_EQ(ErrorOf({"evaluate", "a.lin", "b.lin"}),
            "more than one FILE given ('a.lin' and 'b.lin')");
  EXPECT_EQ(ErrorOf({"evaluate", "--bogus", "a.lin"}), "unknown option '--bogus'");
  EXPECT_EQ(ErrorOf({"evaluate", "--language", "german", "a.lin"}),
            "--language takes english or dutch, not 'german'");
  EXPECT_EQ(ErrorOf({"evaluate", "a.lin", "--delete-exception", "e", "r"}),
            "--delete-exception needs EXCEPTION REASON CONCLUSION");
  EXPECT_EQ(ErrorOf({"evaluate", "--back=1", "a.lin"}), "--back does not take a value after '='");
  EXPECT_EQ(ErrorOf({"evaluate", "--width", "80", "a.lin"}), "--width is an option of render only");
  EXPECT_EQ(ErrorOf({"render", "a.lin"}), "render needs -o OUT.png, OUT.svg or OUT.pdf");
  EXPECT_EQ(ErrorOf({"render", "a.lin", "-o", "out.jpg"}),
            "the output file 'out.jpg' must end in .png, .svg or .pdf");
  EXPECT_EQ(ErrorOf({"render", "a.lin", "-o", "png"}),
            "the output file 'png' must end in .png, .svg or .pdf");
  EXPECT_EQ(ErrorOf({"render", "a.lin", "-o", "o.png", "--view", "tree"}),
            "--view takes arguments or statements, not 'tree'");
  for (const char* Width : {"0", "-5", "12px", "", "32768", "99999999999"})
    EXPECT_NE(ErrorOf({"render", "a.lin", "-o", "o.png", "--width", Width}), "(no error)") << Width;
  EXPECT_EQ(Parsed({"render", "a.lin", "-o", "o.png", "--width", "32767"}).Width, 32767);
}

// The option names a command's help lists: "  -o, --output OUT" gives -o and --output.
std::vector<std::string> ListedOptions(const std::string& Help) {
  std::vector<std::string> Names;
  std::size_t At = 0;
  while ((At = Help.find("\n  -", At)) != std::string::npos) {
    At += 3;
    const std::size_t End = Help.find('\n', At);
    std::string Line = Help.substr(At, End - At);
    for (std::size_t Comma; (Comma = Line.find(", -")) != std::string::npos;) {
      Names.push_back(Line.substr(0, Comma));
      Line.erase(0, Comma + 2);
    }
    Names.push_back(Line.substr(0, Line.find(' ')));
  }
  return Names;
}

TEST(CommandLine, EachHelpListsExactlyTheOptionsItsCommandAccepts) {
  const std::vector<std::string> Commands{"evaluate", "render", "export"};
  std::vector<std::string> Everything;
  for (const std::string& Command : Commands)
    for (const std::string& Name : ListedOptions(HelpText(Command)))
      Everything.push_back(Name);
  ASSERT_GE(Everything.size(), 14u);
  for (const std::string& Command : Commands) {
    const std::vector<std::string> Listed = ListedOptions(HelpText(Command));
    for (const std::string& Name : Everything) {
      if (Name == "-h" || Name == "--help") continue;
      const bool IsListed = std::find(Listed.begin(), Listed.end(), Name) != Listed.end();
      const std::string Error = ErrorOf({Command, Name, "a", "b", "c", "d.lin"});
      EXPECT_EQ(Error.find(" is an option of "), IsListed ? std::string::npos : Name.size())
          << Command << " " << Name << ": " << Error;
    }
  }
  EXPECT_NE(HelpText("render").find("start-up, 456)"), std::string::npos);
  EXPECT_NE(HelpText("").find("  -h, --help   show this help;"), std::string::npos);
}

TEST(CommandLine, UsageLinesWrapUnderTheirCommand) {
  EXPECT_EQ(UsageText("render"),
            "Usage: palaver-cli render [--language english|dutch] [--view arguments|statements]\n"
            "         [--structure-only] [--width PIXELS] [EDIT ...] FILE -o "
            "OUT.png|OUT.svg|OUT.pdf\n"
            "Try 'palaver-cli render --help' for more information.\n");
  const std::string Export = HelpText("export");
  EXPECT_EQ(Export.substr(0, Export.find("\n\n")),
            "Usage: palaver-cli export --format aif|argdown|dot [--language english|dutch]\n"
            "                          [EDIT ...] FILE [-o OUT]");
  EXPECT_EQ(UsageText("").substr(0, UsageText("").find('\n')),
            "Usage: palaver-cli evaluate [--language english|dutch] [EDIT ...] FILE");
  // A required option missing is named as the usage shows it.
  EXPECT_EQ(ErrorOf({"export", "a.lin"}), "export needs --format aif, argdown or dot");
  EXPECT_EQ(ErrorOf({"render", "a.lin", "--output"}), "--output needs OUT.png|OUT.svg|OUT.pdf");
  EXPECT_EQ(ErrorOf({"export", "a.lin", "--format", "dot", "-o"}), "-o needs OUT");
  EXPECT_EQ(ErrorOf({"evaluate", "a.lin", "--output", "x"}),
            "--output is an option of render and export only");
}

}  // namespace
}  // namespace palaver
