#include <gtest/gtest.h>

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

TEST(CommandLine, HelpExplainsEveryOption) {
  const std::string Evaluate = HelpText("evaluate");
  const std::string Render = HelpText("render");
  for (const char* Option : {"--language", "--back", "--forward", "--delete-statement",
                             "--delete-connection", "--delete-exception", "--help"}) {
    EXPECT_NE(Evaluate.find(Option), std::string::npos) << Option;
    EXPECT_NE(Render.find(Option), std::string::npos) << Option;
  }
  for (const char* Option : {"--view", "--structure-only", "--width", "-o, --output"})
    EXPECT_NE(Render.find(Option), std::string::npos) << Option;
  EXPECT_NE(Render.find("start-up, 456)"), std::string::npos);
  EXPECT_NE(HelpText("").find("evaluate"), std::string::npos);
}

}  // namespace
}  // namespace palaver
