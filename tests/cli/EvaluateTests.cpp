#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "CliTestSupport.h"
#include "cli/CliSession.h"
#include "cli/EvaluationJson.h"
#include "model/EvaluationLimit.h"
#include "session/ProgramState.h"

namespace palaver {
namespace {

using namespace test;

struct TGoldenCase {
  const char* Fixture;
  std::vector<std::string> Options;
  const char* Golden;
};

// Test names show the golden file rather than the bytes of the case.
void PrintTo(const TGoldenCase& Case, std::ostream* Out) {
  *Out << Case.Golden;
}

class EvaluateGolden : public ::testing::TestWithParam<TGoldenCase> {};

TEST_P(EvaluateGolden, PrintsTheExpectedJson) {
  const TGoldenCase& Case = GetParam();
  const TCliResult Result = Evaluate(Case.Fixture, Case.Options);
  ASSERT_EQ(Result.ExitStatus, ExitSuccess) << Result.Err;
  EXPECT_EQ(Result.Err, "");
  ExpectMatchesGolden(Result.Out, Case.Golden);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, EvaluateGolden,
    ::testing::Values(
        // Replayed up to the marker; the warrant after it waits as forward lines.
        TGoldenCase{"transcript-worked-example.lin", {}, "cli-worked-example.json"},
        // The warrant statement, an issue, blocks the step once it is replayed.
        TGoldenCase{
            "transcript-worked-example.lin", {"--forward"}, "cli-worked-example-forward.json"},
        // "(IF a, THEN b)" is a warrant only in English; the IF form's warrant follows the
        // language.
        TGoldenCase{"cli-warrants.lin", {}, "cli-warrants-english.json"},
        TGoldenCase{"cli-warrants.lin", {"--language", "dutch"}, "cli-warrants-dutch.json"},
        // An exception whose undercutter warrant is unjustified, an active one, and the
        // IF ... UNLESS form.
        TGoldenCase{"cli-exception.lin", {}, "cli-exception.json"},
        TGoldenCase{"cli-defeating.lin", {}, "cli-defeating.json"},
        TGoldenCase{
            "cli-edits.lin", {"--back", "--back", "--forward"}, "cli-edits-back-back-forward.json"},
        TGoldenCase{
            "cli-edits.lin", {"--delete-statement", "e"}, "cli-edits-delete-statement.json"},
        TGoldenCase{
            "cli-edits.lin", {"--delete-connection", "a", "b"}, "cli-edits-delete-connection.json"},
        TGoldenCase{"cli-edits.lin",
                    {"--delete-exception", "e", "a", "b"},
                    "cli-edits-delete-exception.json"},
        // A file that is not UTF-8 is Windows-1252 as a whole: its "caf\xE9" is "café", and the
        // UTF-8-looking bytes elsewhere in it are read as Windows-1252 characters as well.
        TGoldenCase{"cli-invalid-utf8.lin", {}, "cli-invalid-utf8.json"},
        // Dutch accents, curly quotes and the euro sign written by Windows.
        TGoldenCase{"transcript-windows-1252.lin", {}, "cli-windows-1252.json"}),
    // Named after the golden file: "cli-edits-delete-statement.json" runs as
    // Fixtures/EvaluateGolden.PrintsTheExpectedJson/edits_delete_statement.
    [](const ::testing::TestParamInfo<TGoldenCase>& Info) {
      std::string Name = std::string(Info.param.Golden).substr(4);
      Name.erase(Name.find('.'));
      for (char& C : Name)
        if (C == '-') C = '_';
      return Name;
    });

QJsonObject ParsedOutput(const TCliResult& Result) {
  QJsonParseError Error;
  const QJsonDocument Document =
      QJsonDocument::fromJson(QByteArray::fromStdString(Result.Out), &Error);
  EXPECT_EQ(Error.error, QJsonParseError::NoError) << Error.errorString().toStdString();
  return Document.object();
}

QStringList Sentences(const QJsonObject& Output) {
  QStringList Result;
  for (const QJsonValue S : Output["statements"].toArray())
    Result << S.toObject()["sentence"].toString();
  return Result;
}

QStringList ForwardLines(const QJsonObject& Output) {
  QStringList Result;
  for (const QJsonValue Line : Output["forward_lines"].toArray())
    Result << Line.toString();
  return Result;
}

TEST(EvaluateEdits, DeletionsOfWhatIsNotThereChangeNothing) {
  const std::string Unedited = Evaluate("cli-edits.lin").Out;
  const std::vector<std::vector<std::string>> Missing = {
      {"--delete-statement", "zzz"},
      {"--delete-statement", "A"},            // the comparison is exact
      {"--delete-statement", "f"},            // only in the forward lines
      {"--delete-connection", "b", "a"},      // the other way round
      {"--delete-exception", "a", "a", "b"},  // a connection without that exception
      {"--delete-exception", "e", "b", "c"},  // an exception of another connection
  };
  for (const auto& Options : Missing) {
    const TCliResult Result = Evaluate("cli-edits.lin", Options);
    EXPECT_EQ(Result.ExitStatus, ExitSuccess);
    // Also the forward lines survive, which a replay of the deletion would have emptied.
    EXPECT_EQ(Result.Out, Unedited) << Options[0] << " " << Options[1];
  }
}

TEST(EvaluateEdits, AreMadeInTheOrderGiven) {
  // Back first: "c" goes to the forward lines, so the deletion finds nothing to delete.
  const QJsonObject BackThenDelete =
      ParsedOutput(Evaluate("cli-edits.lin", {"--back", "--delete-statement", "c"}));
  EXPECT_EQ(BackThenDelete["moves"].toInt(), 5);
  EXPECT_FALSE(Sentences(BackThenDelete).contains("c"));
  EXPECT_EQ(ForwardLines(BackThenDelete), QStringList({"CONCLUSION", "  ?: c", "REASON", "  ?: b",
                                                       "", "STATEMENT", "  !: f", ""}));

  // Deletion first: the connection's entry becomes a statement entry of "b", the forward lines
  // are gone, and Back then takes that statement move back.
  const QJsonObject DeleteThenBack =
      ParsedOutput(Evaluate("cli-edits.lin", {"--delete-statement", "c", "--back"}));
  EXPECT_EQ(DeleteThenBack["moves"].toInt(), 5);
  EXPECT_EQ(ForwardLines(DeleteThenBack), QStringList({"STATEMENT", "  ?: b", ""}));
}

TEST(EvaluateEdits, DutchDeletionTakesTheDutchWarrantAlong) {
  // The English warrant is an ordinary statement to a Dutch deletion and stays.
  const QJsonObject Dutch = ParsedOutput(
      Evaluate("cli-edits.lin", {"--language", "dutch", "--delete-connection", "a", "b"}));
  EXPECT_TRUE(Sentences(Dutch).contains("(IF a, THEN b)"));
  EXPECT_TRUE(Dutch["connections"].toArray().size() == 1);  // only c <- b is left

  const QJsonObject English =
      ParsedOutput(Evaluate("cli-edits.lin", {"--delete-connection", "a", "b"}));
  EXPECT_FALSE(Sentences(English).contains("(IF a, THEN b)"));
}

TEST(EvaluateOutput, IsValidJsonForEveryByte) {
  // Every byte value in a sentence, each alone and all together.
  QTemporaryDir Dir;
  std::string Text = "STATEMENT\r\n  ?: ";
  for (int B = 0; B < 256; ++B)
    if (B != '\r' && B != '\n') Text += static_cast<char>(B);
  Text += "\r\n";
  const std::string Path = Dir.path().toStdString() + "/bytes.lin";
  WriteBytes(Path, Text);
  const TCliResult Result = RunCli({"evaluate", Path});
  ASSERT_EQ(Result.ExitStatus, ExitSuccess);
  const QJsonObject Output = ParsedOutput(Result);
  const QString Sentence = Sentences(Output).value(0);
  ASSERT_EQ(Sentence.size(), 254);
  // Printable ASCII as it is; the bytes above it as their Latin-1 characters.
  EXPECT_EQ(Sentence[static_cast<int>('A') - 2], QChar('A'));
  EXPECT_EQ(Sentence.back(), QChar(0xFF));
  EXPECT_EQ(Sentence[0xE9 - 2], QChar(0xE9));
}

}  // namespace
}  // namespace palaver

namespace palaver {
namespace {

using namespace test;

// Four Issues, each a reason for each other one.
std::string FullyConnectedTranscript() {
  std::string Text;
  for (int C = 1; C <= 4; ++C)
    for (int R = 1; R <= 4; ++R)
      if (R != C)
        Text += "CONCLUSION\r\n  ?: s" + std::to_string(C) + "\r\nREASON\r\n  ?: s" +
                std::to_string(R) + "\r\n\r\n";
  return Text;
}

TEST(EvaluateLimits, AReplayPastALimitExitsWithThreeTellsWhyAndPrintsTheStageReached) {
  QTemporaryDir Dir;
  const std::string Path = Dir.path().toStdString() + "/full.lin";
  WriteBytes(Path, FullyConnectedTranscript());
  TEvaluationLimits Low;
  Low.DialecticalArguments = 200;
  const TCliResult Result = RunCli({"evaluate", Path}, Low);

  EXPECT_EQ(Result.ExitStatus, ExitEvaluationLimit);
  const QJsonObject Output = ParsedOutput(Result);
  const int Made = Output["moves"].toInt();
  EXPECT_GT(Made, 2);
  EXPECT_LT(Made, 12);
  EXPECT_EQ(Result.Err, "palaver-cli: The first " + std::to_string(Made) +
                            " moves were made. The next move was not made: the statements on "
                            "cycles of reasons would together have more than 200 dialectical "
                            "arguments, more than Palaver can evaluate. \nThat move and "
                            "everything after it are kept as the forward moves; Save writes "
                            "them back as they were.\n");
  // The rest of the file is kept: the transcript a Save would write is the file itself.
  QString Saved;
  for (const QJsonValue Line : Output["transcript"].toArray())
    Saved += Line.toString() + "\r\n";
  EXPECT_EQ(Saved.toStdString(), FullyConnectedTranscript());
  EXPECT_FALSE(Output.contains("cut"));

  // Within the limits the same file evaluates as usual.
  EXPECT_EQ(RunCli({"evaluate", Path}).ExitStatus, ExitSuccess);
}

// The text of "arguments" and "maximal_dialectical_arguments", keys included.
std::string TreesText(const std::string& Json) {
  const std::size_t From = Json.find("\n  \"arguments\": ");
  return Json.substr(From, Json.find("\n  \"forward_lines\": ") - From);
}

std::size_t Occurrences(const std::string& Text, const std::string& Part) {
  std::size_t Count = 0;
  for (std::size_t At = Text.find(Part); At != std::string::npos; At = Text.find(Part, At + 1))
    ++Count;
  return Count;
}

TEST(EvaluateLimits, TreesStopAtTheirByteLimitHoweverLongTheSentences) {
  // Four Issues of a thousand bytes each, all reasons for each other: tens of thousands of
  // nodes in full, each carrying a long sentence.
  std::string Transcript = FullyConnectedTranscript();
  for (std::size_t At = 0; (At = Transcript.find("?: s", At)) != std::string::npos; At += 5)
    Transcript.insert(At + 5, std::string(1000, 'x'));
  QTemporaryDir Dir;
  const std::string Path = Dir.path().toStdString() + "/long.lin";
  WriteBytes(Path, Transcript);
  TCliSession Session(TLanguage::English);
  Session.Open(Path);

  constexpr std::uint64_t Limit = 100'000;
  const std::string Cut = EvaluationJson(*State().LineOfArgumentation, State().ForwardLines,
                                         TLanguage::English, false, Limit);
  QJsonParseError Error;
  const QJsonObject Output =
      QJsonDocument::fromJson(QByteArray::fromStdString(Cut), &Error).object();
  ASSERT_EQ(Error.error, QJsonParseError::NoError);
  const std::string Trees = TreesText(Cut);
  // Nothing is begun past the limit: what follows it is the rest of one node and the brackets
  // that close what is open.
  EXPECT_GE(Trees.size(), Limit);
  EXPECT_LT(Trees.size(), Limit + 8'000);
  const QJsonObject Counts = Output["cut"].toObject();
  EXPECT_EQ(Counts["byte_limit"].toInteger(), 100000);
  EXPECT_EQ(Counts["nodes_written"].toInteger(),
            Occurrences(Trees, "\"subarguments\"") + Occurrences(Trees, "\"status\""));
  EXPECT_GT(Counts["nodes_in_full"].toInteger(), 100 * Counts["nodes_written"].toInteger());
}

TEST(EvaluateLimits, ACutLeavesEverythingButTheTreesAsItWas) {
  TCliSession Session(TLanguage::English);
  Session.Open(DataPath("cli-exception.lin"));
  const TLineOfArgumentation& Line = *State().LineOfArgumentation;
  const std::string Whole = EvaluationJson(Line, State().ForwardLines, TLanguage::English);
  EXPECT_EQ(Whole.find("\"cut\""), std::string::npos);

  // The trees' opening bracket takes their one byte: no node is begun.
  const std::string Cut = EvaluationJson(Line, State().ForwardLines, TLanguage::English, false, 1);
  QJsonParseError Error;
  const QJsonObject Output =
      QJsonDocument::fromJson(QByteArray::fromStdString(Cut), &Error).object();
  ASSERT_EQ(Error.error, QJsonParseError::NoError);
  EXPECT_EQ(Output["arguments"].toArray().size(), 0);
  EXPECT_EQ(Output["maximal_dialectical_arguments"].toArray().size(), 0);
  const QJsonObject Counts = Output["cut"].toObject();
  EXPECT_EQ(Counts["nodes_written"].toInt(), 0);
  EXPECT_GT(Counts["nodes_in_full"].toInt(), 1);
  // The cut comes last, and everything outside the trees is as in the whole output.
  EXPECT_EQ(Output.keys().size(), 9);
  EXPECT_EQ(Cut.substr(Cut.rfind("\"cut\"")).find("\"transcript\""), std::string::npos);
  EXPECT_EQ(Cut.substr(0, Cut.find("\n  \"arguments\": ")),
            Whole.substr(0, Whole.find("\n  \"arguments\": ")));
  const std::size_t CutRest = Cut.find("\n  \"forward_lines\": ");
  const std::size_t WholeRest = Whole.find("\n  \"forward_lines\": ");
  EXPECT_EQ(Cut.substr(CutRest, Cut.rfind(",\n  \"cut\"") - CutRest),
            Whole.substr(WholeRest, Whole.rfind("\n}") - WholeRest));
}

}  // namespace
}  // namespace palaver
