#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliCommands.h"

namespace palaver::test {

inline std::string DataPath(const std::string& Name) {
  return std::string(PALAVER_TEST_DATA_DIR) + "/" + Name;
}

inline std::string ReadBytes(const std::string& Path) {
  std::ifstream In(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& Path, const std::string& Bytes) {
  std::ofstream(Path, std::ios::binary) << Bytes;
}

struct TCliResult {
  int ExitStatus = -1;
  std::string Out;
  std::string Err;
};

// palaver-cli run in-process.
inline TCliResult RunCli(const std::vector<std::string>& Arguments,
                         const TEvaluationLimits& Limits = {}) {
  std::ostringstream Out;
  std::ostringstream Err;
  TCliResult Result;
  Result.ExitStatus = RunPalaverCli(Arguments, Out, Err, false, Limits);
  Result.Out = Out.str();
  Result.Err = Err.str();
  return Result;
}

// "evaluate" on a fixture, with the edits (and other options) before the file name.
inline TCliResult Evaluate(const std::string& Fixture, std::vector<std::string> Options = {}) {
  std::vector<std::string> Arguments{"evaluate"};
  Arguments.insert(Arguments.end(), Options.begin(), Options.end());
  Arguments.push_back(DataPath(Fixture));
  return RunCli(Arguments);
}

// A unified diff of the two texts, from the system's diff.
inline std::string UnifiedDiff(const std::string& ExpectedPath, const std::string& Actual) {
  QTemporaryDir Dir;
  const std::string ActualPath = Dir.path().toStdString() + "/actual.json";
  WriteBytes(ActualPath, Actual);
  QProcess Diff;
  Diff.start("diff",
             {"-u", QString::fromStdString(ExpectedPath), QString::fromStdString(ActualPath)});
  if (!Diff.waitForFinished(10000)) return "(diff could not be run)\n" + Actual;
  return Diff.readAllStandardOutput().toStdString();
}

// Compares Actual with the golden file byte for byte and shows a unified diff when they differ.
// With PALAVER_UPDATE_GOLDEN_FILES=1 in the environment the golden file is rewritten instead.
inline void ExpectMatchesGolden(const std::string& Actual, const std::string& GoldenName) {
  const std::string Path = DataPath(GoldenName);
  if (qEnvironmentVariableIntValue("PALAVER_UPDATE_GOLDEN_FILES") == 1) WriteBytes(Path, Actual);
  const std::string Expected = ReadBytes(Path);
  if (Expected != Actual) ADD_FAILURE() << GoldenName << " differs:\n" << UnifiedDiff(Path, Actual);
}

}  // namespace palaver::test
