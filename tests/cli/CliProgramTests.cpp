#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"
#include "cli/CliProgram.h"

// palaver-cli's program run in-process, in a test program of its own: no QGuiApplication exists
// but the one the program makes.

namespace palaver {
namespace {

QStringList ArgumentsAtTheEnd;

// Runs while the application is taken apart, as Qt's post routines do: the application still
// reads its argc and argv then.
void ReadArgumentsAtTheEnd() {
  ArgumentsAtTheEnd = QCoreApplication::arguments();
}

TEST(CliProgram, ItsArgumentsOutliveTheApplicationItMakes) {
  QTemporaryDir Dir;
  const std::string Picture = Dir.path().toStdString() + "/out.png";
  std::vector<std::string> Words{
      "palaver-cli",
      "render",
      "--width",
      "100",
      std::string(PALAVER_TEST_DATA_DIR) + "/transcript-worked-example.lin",
      "-o",
      Picture};
  std::vector<char*> Argv;
  Argv.reserve(Words.size() + 1);
  for (std::string& Word : Words)
    Argv.push_back(Word.data());
  Argv.push_back(nullptr);

  qAddPostRoutine(ReadArgumentsAtTheEnd);
  std::ostringstream Out;
  std::ostringstream Err;
  EXPECT_EQ(RunPalaverCliProgram(static_cast<int>(Words.size()), Argv.data(), Out, Err, false),
            ExitSuccess)
      << Err.str();
  EXPECT_EQ(QCoreApplication::instance(), nullptr);
  EXPECT_EQ(ArgumentsAtTheEnd, QStringList{"palaver-cli"});
}

}  // namespace
}  // namespace palaver
