#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "CliTestSupport.h"

namespace palaver {
namespace {

using namespace test;

// The program itself, as a script would run it.
TCliResult RunProgram(const QStringList& Arguments, const QProcessEnvironment& Environment =
                                                        QProcessEnvironment::systemEnvironment()) {
  QProcess Program;
  Program.setProcessEnvironment(Environment);
  Program.start(PALAVER_CLI_PROGRAM, Arguments);
  TCliResult Result;
  if (!Program.waitForFinished(60000)) {
    ADD_FAILURE() << "palaver-cli did not finish";
    return Result;
  }
  Result.ExitStatus = Program.exitStatus() == QProcess::NormalExit ? Program.exitCode() : -1;
  Result.Out = Program.readAllStandardOutput().toStdString();
  Result.Err = Program.readAllStandardError().toStdString();
  return Result;
}

QString Data(const char* Name) {
  return QString::fromStdString(DataPath(Name));
}

TEST(Program, PrintsTheSameBytesAsTheGoldenFile) {
  const TCliResult Result = RunProgram({"evaluate", Data("transcript-worked-example.lin")});
  EXPECT_EQ(Result.ExitStatus, 0);
  EXPECT_EQ(Result.Out, ReadBytes(DataPath("cli-worked-example.json")));
  EXPECT_EQ(Result.Err, "");
}

TEST(Program, FileThatCannotBeReadExitsWithOne) {
  const TCliResult Missing = RunProgram({"evaluate", Data("cli-no-such-file.lin")});
  EXPECT_EQ(Missing.ExitStatus, 1);
  EXPECT_EQ(Missing.Out, "");
  EXPECT_EQ(Missing.Err, "Cannot open file " + DataPath("cli-no-such-file.lin") + "\n");

  // Rich text that is cut off cannot be loaded at all.
  const TCliResult Broken = RunProgram({"evaluate", Data("truncated.rtf")});
  EXPECT_EQ(Broken.ExitStatus, 1);
  EXPECT_EQ(Broken.Err, "Failed to Load Stream\n");
}

TEST(Program, UsageErrorExitsWithTwo) {
  for (const QStringList& Arguments :
       {QStringList{}, QStringList{"evaluate"}, QStringList{"evaluate", "--bogus", "x.lin"},
        QStringList{"render", Data("transcript-worked-example.lin"), "-o", "out.gif"}}) {
    const TCliResult Result = RunProgram(Arguments);
    EXPECT_EQ(Result.ExitStatus, 2) << Arguments.join(' ').toStdString();
    EXPECT_EQ(Result.Out, "");
    EXPECT_EQ(Result.Err.rfind("palaver-cli: ", 0), 0u) << Result.Err;
    EXPECT_NE(Result.Err.find("Usage: palaver-cli"), std::string::npos);
  }
}

TEST(Program, HelpGoesToStandardOutput) {
  const TCliResult Overview = RunProgram({"--help"});
  EXPECT_EQ(Overview.ExitStatus, 0);
  EXPECT_NE(Overview.Out.find("Usage: palaver-cli <command>"), std::string::npos);
  EXPECT_EQ(Overview.Err, "");

  const TCliResult Render = RunProgram({"render", "--help"});
  EXPECT_EQ(Render.ExitStatus, 0);
  EXPECT_EQ(Render.Out, HelpText("render"));
}

TEST(Program, DrawsWithoutADisplay) {
  QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
  Environment.remove("QT_QPA_PLATFORM");
  Environment.remove("DISPLAY");
  Environment.remove("WAYLAND_DISPLAY");
  QTemporaryDir Dir;
  const QString Out = Dir.path() + "/out.png";
  const TCliResult Result = RunProgram(
      {"render", "--width", "200", Data("transcript-worked-example.lin"), "-o", Out}, Environment);
  EXPECT_EQ(Result.ExitStatus, 0) << Result.Err;
  EXPECT_EQ(QImage(Out).width(), 200);
}

}  // namespace
}  // namespace palaver
