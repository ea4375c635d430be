#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include "CliTestSupport.h"

namespace palaver {
namespace {

using namespace test;

TCliResult Export(const std::string& Format, const std::string& Fixture,
                  std::vector<std::string> Options = {}) {
  std::vector<std::string> Arguments{"export", "--format", Format};
  Arguments.insert(Arguments.end(), Options.begin(), Options.end());
  Arguments.push_back(DataPath(Fixture));
  return RunCli(Arguments);
}

// --- Golden files ---------------------------------------------------------------------------

struct TExportCase {
  const char* Fixture;
  const char* Format;
  const char* Golden;
};

void PrintTo(const TExportCase& Case, std::ostream* Out) {
  *Out << Case.Golden;
}

class ExportGolden : public ::testing::TestWithParam<TExportCase> {};

TEST_P(ExportGolden, WritesTheExpectedBytes) {
  const TExportCase& Case = GetParam();
  const TCliResult Result = Export(Case.Format, Case.Fixture);
  ASSERT_EQ(Result.ExitStatus, ExitSuccess) << Result.Err;
  EXPECT_EQ(Result.Err, "");
  ExpectMatchesGolden(Result.Out, Case.Golden);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ExportGolden,
    ::testing::Values(
        // Warrants of a step and of an undercutter, two exceptions, a defeating connection,
        // and an exception waiting in the forward lines (which no export shows).
        TExportCase{"export-worked.lin", "aif", "export-worked.aif.json"},
        TExportCase{"export-worked.lin", "argdown", "export-worked.argdown"},
        TExportCase{"export-worked.lin", "dot", "export-worked.dot"},
        // Markup characters, quotes, backslashes, a tab, an accent and curly quotes (the file is
        // Windows-1252), blanks at both ends, an empty sentence, a sentence long enough to wrap,
        // shortcode-like runs of dots and colons, equals signs, and a statement that is its own
        // reason.
        TExportCase{"export-escaping.lin", "aif", "export-escaping.aif.json"},
        TExportCase{"export-escaping.lin", "argdown", "export-escaping.argdown"},
        TExportCase{"export-escaping.lin", "dot", "export-escaping.dot"},
        TExportCase{"export-empty.lin", "aif", "export-empty.aif.json"},
        TExportCase{"export-empty.lin", "argdown", "export-empty.argdown"},
        TExportCase{"export-empty.lin", "dot", "export-empty.dot"}),
    [](const ::testing::TestParamInfo<TExportCase>& Info) {
      std::string Name = std::string(Info.param.Fixture).substr(7);
      Name.erase(Name.find('.'));
      return Name + "_" + Info.param.Format;
    });

// --- AIF ------------------------------------------------------------------------------------

struct TAif {
  QMap<QString, QString> TypeOf;  // node ID -> I, RA or CA
  QMap<QString, QString> TextOf;
  QList<QPair<QString, QString>> Edges;
  QJsonObject Annotations;

  QStringList From(const QString& To) const {
    QStringList Result;
    for (const auto& [F, T] : Edges)
      if (T == To) Result << F;
    return Result;
  }
  QStringList To(const QString& From) const {
    QStringList Result;
    for (const auto& [F, T] : Edges)
      if (F == From) Result << T;
    return Result;
  }
  QString NodeWithText(const QString& Text) const { return TextOf.key(Text); }
};

TAif ParsedAif(const std::string& Json) {
  QJsonParseError Error;
  const QJsonObject Root =
      QJsonDocument::fromJson(QByteArray::fromStdString(Json), &Error).object();
  EXPECT_EQ(Error.error, QJsonParseError::NoError) << Error.errorString().toStdString();
  TAif Aif;
  for (const QJsonValue Value : Root["nodes"].toArray()) {
    const QJsonObject Node = Value.toObject();
    const QString Id = Node["nodeID"].toString();
    EXPECT_FALSE(Aif.TypeOf.contains(Id)) << "node ID used twice: " << Id.toStdString();
    EXPECT_TRUE(Node["timestamp"].isString());
    Aif.TypeOf[Id] = Node["type"].toString();
    Aif.TextOf[Id] = Node["text"].toString();
  }
  QStringList EdgeIds;
  for (const QJsonValue Value : Root["edges"].toArray()) {
    const QJsonObject Edge = Value.toObject();
    EXPECT_FALSE(EdgeIds.contains(Edge["edgeID"].toString()));
    EdgeIds << Edge["edgeID"].toString();
    Aif.Edges.append({Edge["fromID"].toString(), Edge["toID"].toString()});
  }
  Aif.Annotations = Root["palaver"].toObject();
  return Aif;
}

// What AIF tools rely on: every edge joins two nodes that exist, I-nodes meet only through
// RA- and CA-nodes, an RA-node concludes exactly one I-node, a CA-node attacks exactly one
// RA-node, and every I-node carries its type and status.
void ExpectReferentialIntegrity(const TAif& Aif, const std::string& Fixture) {
  SCOPED_TRACE(Fixture);
  for (const auto& [From, To] : Aif.Edges) {
    ASSERT_TRUE(Aif.TypeOf.contains(From)) << From.toStdString();
    ASSERT_TRUE(Aif.TypeOf.contains(To)) << To.toStdString();
    EXPECT_FALSE(Aif.TypeOf[From] == "I" && Aif.TypeOf[To] == "I");
    EXPECT_NE(Aif.TypeOf[From], Aif.TypeOf[To]) << "scheme nodes never meet directly";
  }
  for (auto It = Aif.TypeOf.begin(); It != Aif.TypeOf.end(); ++It) {
    const QString& Id = It.key();
    if (It.value() == "I") {
      const QJsonObject Note = Aif.Annotations[Id].toObject();
      EXPECT_TRUE(Note["type"] == "issue" || Note["type"] == "assumption") << Id.toStdString();
      EXPECT_TRUE(Note["status"] == "justified" || Note["status"] == "unjustified");
    } else if (It.value() == "RA") {
      ASSERT_EQ(Aif.To(Id).size(), 1);
      EXPECT_EQ(Aif.TypeOf[Aif.To(Id)[0]], "I");
      EXPECT_GE(Aif.From(Id).size(), 1);
    } else {
      ASSERT_EQ(It.value(), "CA");
      ASSERT_EQ(Aif.To(Id).size(), 1);
      EXPECT_EQ(Aif.TypeOf[Aif.To(Id)[0]], "RA");
    }
  }
}

TEST(ExportAif, EveryEdgeJoinsNodesThatExist) {
  for (const char* Fixture : {"export-worked.lin", "export-escaping.lin", "export-empty.lin",
                              "cli-exception.lin", "cli-defeating.lin", "cli-warrants.lin",
                              "transcript-worked-example.lin", "cli-edits.lin"}) {
    const TCliResult Result = Export("aif", Fixture);
    ASSERT_EQ(Result.ExitStatus, ExitSuccess) << Fixture;
    ExpectReferentialIntegrity(ParsedAif(Result.Out), Fixture);
  }
}

TEST(ExportAif, KeepsUndercutsAndWarrantsAttachedToTheirStep) {
  const TAif Aif = ParsedAif(Export("aif", "export-worked.lin").Out);
  const QString Faster = Aif.NodeWithText("The train is faster");
  const QString Train = Aif.NodeWithText("We should take the train");
  const QString Strike = Aif.NodeWithText("There is a strike");

  // The step faster -> train: its RA-node, with the strike's CA-node against it.
  const QStringList Steps = Aif.To(Faster);
  ASSERT_EQ(Steps.size(), 1);
  const QString& Step = Steps[0];
  EXPECT_EQ(Aif.TypeOf[Step], "RA");
  EXPECT_EQ(Aif.To(Step), QStringList{Train});
  const QStringList Conflicts = Aif.To(Strike);
  ASSERT_EQ(Conflicts.size(), 1);
  EXPECT_EQ(Aif.TypeOf[Conflicts[0]], "CA");
  EXPECT_EQ(Aif.To(Conflicts[0]), QStringList{Step});

  // Both warrants point into the node they license.
  const QString StepWarrant =
      Aif.NodeWithText("(IF The train is faster, THEN We should take the train)");
  EXPECT_EQ(Aif.To(StepWarrant), QStringList{Step});
  const QString UndercutterWarrant = Aif.NodeWithText(
      "(THE STATEMENT THAT There is a strike, IS AN EXCEPTION TO THE RULE THAT, IF The train is "
      "faster, THEN We should take the train)");
  EXPECT_EQ(Aif.To(UndercutterWarrant), QStringList{Conflicts[0]});

  // The defeating connection is an RA-node too, marked as such.
  const QString Car = Aif.NodeWithText("The car is comfortable");
  ASSERT_EQ(Aif.To(Car).size(), 1);
  EXPECT_EQ(Aif.Annotations[Aif.To(Car)[0]].toObject()["kind"], "defeating");
  EXPECT_EQ(Aif.Annotations[Step].toObject()["kind"], "supporting");
}

QString StatusOf(const TAif& Aif, const QString& Text) {
  return Aif.Annotations[Aif.NodeWithText(Text)].toObject()["status"].toString();
}

TEST(ExportAif, StatusesFollowTheEdits) {
  EXPECT_EQ(StatusOf(ParsedAif(Export("aif", "export-worked.lin").Out), "We should take the train"),
            "justified");
  // Forward makes the strike an assumption: the exception is justified, its warrant too, and the
  // only step that supported the train is undercut.
  const TAif Forward = ParsedAif(Export("aif", "export-worked.lin", {"--forward"}).Out);
  EXPECT_EQ(StatusOf(Forward, "There is a strike"), "justified");
  EXPECT_EQ(StatusOf(Forward, "We should take the train"), "unjustified");
  EXPECT_EQ(Forward.Annotations[Forward.NodeWithText("There is a strike")].toObject()["type"],
            "assumption");

  const TAif Deleted =
      ParsedAif(Export("aif", "export-worked.lin",
                       {"--delete-connection", "Tickets are cheap", "We should take the train"})
                    .Out);
  EXPECT_EQ(Deleted.TypeOf.values().count("RA"), 2);
  EXPECT_EQ(Deleted.TypeOf.values().count("CA"), 1);
}

int WarrantEdges(const TAif& Aif) {
  int Count = 0;
  for (const auto& [From, To] : Aif.Edges)
    if (Aif.TypeOf[To] == "RA" && Aif.TextOf[From].startsWith('(')) ++Count;
  return Count;
}

TEST(ExportAif, RecognisesWarrantsOnlyInTheirLanguage) {
  // "(IF a, THEN b)" is a warrant in English only; the IF form's warrant is built in the
  // language of the run, and so recognised in both.
  EXPECT_EQ(WarrantEdges(ParsedAif(Export("aif", "cli-warrants.lin").Out)), 2);
  EXPECT_EQ(WarrantEdges(ParsedAif(Export("aif", "cli-warrants.lin", {"--language", "dutch"}).Out)),
            1);
}

// --- Argdown --------------------------------------------------------------------------------

TEST(ExportArgdown, EscapesWhatArgdownWouldReadAsMarkup) {
  QTemporaryDir Dir;
  std::string Sentence;
  for (char C = ' '; C <= '~'; ++C)
    Sentence += C;
  const std::string Path = Dir.path().toStdString() + "/ascii.lin";
  WriteBytes(Path, "STATEMENT\r\n  ?: " + Sentence + "\r\n");
  const TCliResult Result = RunCli({"export", "--format", "argdown", Path});
  ASSERT_EQ(Result.ExitStatus, ExitSuccess);

  const std::string Prefix = "\n[S1]: ";
  const std::size_t Start = Result.Out.find(Prefix);
  ASSERT_NE(Start, std::string::npos);
  std::string Line = Result.Out.substr(Start + Prefix.size());
  Line.erase(Line.find('\n'));
  const std::string Tags = " #issue #unjustified";
  ASSERT_TRUE(Line.ends_with(Tags)) << Line;
  Line.erase(Line.size() - Tags.size());

  // Dropping each escape gives the sentence back, and no markup character stands unescaped.
  std::string Unescaped;
  for (std::size_t I = 0; I < Line.size(); ++I) {
    if (Line[I] == '\\') {
      ASSERT_LT(I + 1, Line.size());
      Unescaped += Line[++I];
      continue;
    }
    EXPECT_EQ(std::string_view("[]<>#@*_{}/").find(Line[I]), std::string_view::npos)
        << "unescaped '" << Line[I] << "'";
    Unescaped += Line[I];
  }
  EXPECT_EQ(Unescaped, Sentence);
}

// --- DOT ------------------------------------------------------------------------------------

TEST(ExportDot, GraphvizReadsEveryExport) {
  const QString Dot = QStandardPaths::findExecutable("dot");
  if (Dot.isEmpty()) GTEST_SKIP() << "Graphviz's dot is not installed";
  QTemporaryDir Dir;
  std::string Awkward = "STATEMENT\r\n  ?: ";
  for (int B = 1; B < 256; ++B)
    if (B != '\r' && B != '\n') Awkward += static_cast<char>(B);
  Awkward += "\r\n";
  const std::string AwkwardPath = Dir.path().toStdString() + "/bytes.lin";
  WriteBytes(AwkwardPath, Awkward);

  for (const std::string& Fixture :
       {DataPath("export-worked.lin"), DataPath("export-escaping.lin"), AwkwardPath}) {
    const TCliResult Result = RunCli({"export", "--format", "dot", Fixture});
    ASSERT_EQ(Result.ExitStatus, ExitSuccess);
    QProcess Graphviz;
    Graphviz.start(Dot, {"-Tsvg"});
    Graphviz.write(QByteArray::fromStdString(Result.Out));
    Graphviz.closeWriteChannel();
    ASSERT_TRUE(Graphviz.waitForFinished(30000));
    EXPECT_EQ(Graphviz.exitCode(), 0) << Fixture << ": " << Graphviz.readAllStandardError().data();
    EXPECT_TRUE(Graphviz.readAllStandardError().isEmpty());
  }
}

// --- The command ----------------------------------------------------------------------------

TEST(ExportCommand, WritesTheOutputFileInsteadOfStandardOutput) {
  QTemporaryDir Dir;
  const std::string Path = Dir.path().toStdString() + "/graph.txt";
  WriteBytes(Path, "old contents that are longer than nothing");
  const TCliResult ToFile =
      RunCli({"export", "--format", "dot", DataPath("export-worked.lin"), "-o", Path});
  ASSERT_EQ(ToFile.ExitStatus, ExitSuccess) << ToFile.Err;
  EXPECT_EQ(ToFile.Out, "");
  EXPECT_EQ(ReadBytes(Path), Export("dot", "export-worked.lin").Out);
}

TEST(ExportCommand, OutputThatCannotBeWrittenExitsWithOne) {
  QTemporaryDir Dir;
  const std::string Path = Dir.path().toStdString() + "/missing/graph.json";
  const TCliResult Result =
      RunCli({"export", "--format", "aif", DataPath("export-worked.lin"), "-o", Path});
  EXPECT_EQ(Result.ExitStatus, ExitPlatformError);
  EXPECT_EQ(Result.Err, "Cannot create file " + Path + "\n");
}

TEST(ExportCommand, ReportsUsageErrors) {
  const auto ErrorOf = [](const std::vector<std::string>& Arguments) {
    const TCliResult Result = RunCli(Arguments);
    EXPECT_EQ(Result.ExitStatus, ExitUsageError);
    return Result.Err.substr(0, Result.Err.find('\n'));
  };
  EXPECT_EQ(ErrorOf({"export", "a.lin"}), "palaver-cli: export needs --format aif, argdown or dot");
  EXPECT_EQ(ErrorOf({"export", "--format", "json", "a.lin"}),
            "palaver-cli: --format takes aif, argdown or dot, not 'json'");
  EXPECT_EQ(ErrorOf({"export", "--format", "dot", "--width", "9", "a.lin"}),
            "palaver-cli: --width is an option of render only");
  EXPECT_EQ(ErrorOf({"evaluate", "--format", "dot", "a.lin"}),
            "palaver-cli: --format is an option of export only");
  EXPECT_EQ(ErrorOf({"evaluate", "-o", "x.png", "a.lin"}),
            "palaver-cli: -o is an option of render and export only");
  EXPECT_EQ(ErrorOf({"export", "--format", "aif", "a.lin", "-o"}), "palaver-cli: -o needs OUT");
  // The usage reminder names export's own options.
  EXPECT_NE(RunCli({"export"}).Err.find("palaver-cli export --format aif|argdown|dot"),
            std::string::npos);
}

TEST(ExportCommand, HelpNamesEveryOption) {
  const std::string Help = HelpText("export");
  for (const char* Option :
       {"--format aif|argdown|dot", "-o, --output OUT", "--language", "--back", "--forward",
        "--delete-statement", "--delete-connection", "--delete-exception"})
    EXPECT_NE(Help.find(Option), std::string::npos) << Option;
  EXPECT_NE(HelpText("").find("export"), std::string::npos);
}

}  // namespace
}  // namespace palaver
