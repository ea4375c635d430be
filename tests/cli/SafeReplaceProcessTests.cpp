// Two programs that replace files in one directory at the same moment never collide: real
// palaver-cli processes, writing beside each other and over each other again and again.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "CliTestSupport.h"

namespace palaver {
namespace {

using namespace test;

// Exports Input as a Graphviz graph Count times to Shared, each time followed by once to Own,
// in a shell loop that stops at the first run that fails.
void StartWriter(QProcess& Writer, const std::string& Input, const std::string& Shared,
                 const std::string& Own, int Count) {
  const QString Loop = QStringLiteral(
      "i=0; while [ $i -lt \"$4\" ]; do "
      "\"$0\" export --format dot \"$1\" -o \"$2\" || exit 1; "
      "\"$0\" export --format dot \"$1\" -o \"$3\" || exit 1; "
      "i=$((i + 1)); done");
  Writer.setProcessChannelMode(QProcess::ForwardedChannels);
  Writer.start(QStringLiteral("/bin/sh"),
               {QStringLiteral("-c"), Loop, QStringLiteral(PALAVER_CLI_PROGRAM),
                QString::fromStdString(Input), QString::fromStdString(Shared),
                QString::fromStdString(Own), QString::number(Count)});
}

std::vector<std::string> Names(const std::string& Dir) {
  std::vector<std::string> Result;
  for (const auto& Entry : std::filesystem::directory_iterator(Dir))
    Result.push_back(Entry.path().filename().string());
  std::sort(Result.begin(), Result.end());
  return Result;
}

TEST(SafeReplace, TwoProgramsWritingIntoOneDirectoryAtOnceLeaveWholeFilesAndNothingElse) {
  QTemporaryDir Temporary;
  const std::string Dir = Temporary.path().toStdString();
  const std::string Shared = Dir + "/shared.dot";
  const std::string First = ReadBytes(DataPath("export-worked.dot"));
  const std::string Second = ReadBytes(DataPath("export-escaping.dot"));
  ASSERT_NE(First, Second);

  QProcess A, B;
  StartWriter(A, DataPath("export-worked.lin"), Shared, Dir + "/first.dot", 40);
  StartWriter(B, DataPath("export-escaping.lin"), Shared, Dir + "/second.dot", 40);
  ASSERT_TRUE(A.waitForStarted() && B.waitForStarted());

  // Whenever it is read, the shared file is one program's export, whole.
  int Reads = 0;
  int Torn = 0;
  QElapsedTimer Clock;
  Clock.start();
  while ((A.state() != QProcess::NotRunning || B.state() != QProcess::NotRunning) &&
         Clock.elapsed() < 120000) {
    if (std::filesystem::exists(Shared)) {
      const std::string Now = ReadBytes(Shared);
      ++Reads;
      if (Now != First && Now != Second) ++Torn;
    }
    A.waitForFinished(2);
    B.waitForFinished(2);
  }
  ASSERT_EQ(A.state(), QProcess::NotRunning) << "the first writer did not finish";
  ASSERT_EQ(B.state(), QProcess::NotRunning) << "the second writer did not finish";
  EXPECT_EQ(A.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(A.exitCode(), 0);
  EXPECT_EQ(B.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(B.exitCode(), 0);
  EXPECT_EQ(Torn, 0) << "of " << Reads << " reads";

  const std::string Last = ReadBytes(Shared);
  EXPECT_TRUE(Last == First || Last == Second) << "the shared file is no export";
  EXPECT_TRUE(ReadBytes(Dir + "/first.dot") == First)
      << "the first program's file is not its export";
  EXPECT_TRUE(ReadBytes(Dir + "/second.dot") == Second) << "the second's file is not its export";
  EXPECT_EQ(Names(Dir), (std::vector<std::string>{"first.dot", "second.dot", "shared.dot"}));
}

}  // namespace
}  // namespace palaver
