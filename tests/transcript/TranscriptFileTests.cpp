#include "transcript/TranscriptFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../session/TemporaryDirectory.h"
#include "session/PlatformError.h"

namespace palaver {
namespace {

using testing::ReadBytes;
using testing::TTemporaryDirectory;
using testing::WriteBytes;
using TLines = std::vector<std::string>;

std::string Fixture(const std::string& Name) {
  return std::string(PALAVER_TEST_DATA_DIR) + "/" + Name;
}

// The message of the platform error that Action throws, or "" when it throws none.
template <typename TAction>
std::string ErrorOf(TAction Action) {
  try {
    Action();
  } catch (const TPlatformError& Error) {
    return Error.what();
  }
  return "";
}

TEST(SplitTranscriptLines, EachLineEndEndsALine) {
  EXPECT_EQ(SplitTranscriptLines("a\r\nb\nc\rd"), (TLines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitTranscriptLines("a\n\rb"), (TLines{"a", "", "b"}));
  EXPECT_EQ(SplitTranscriptLines("\r\r\n"), (TLines{"", ""}));
}

TEST(SplitTranscriptLines, FinalLineEndStartsNoFurtherLine) {
  EXPECT_EQ(SplitTranscriptLines(""), TLines{});
  EXPECT_EQ(SplitTranscriptLines("a\r\n"), TLines{"a"});
  EXPECT_EQ(SplitTranscriptLines("\r\n"), TLines{""});
  EXPECT_EQ(SplitTranscriptLines("a\r\n\r\n"), (TLines{"a", ""}));
}

TEST(SplitTranscriptLines, BlanksAndBytesAreKept) {
  EXPECT_EQ(SplitTranscriptLines("  ?:  x \t\n\xE9\x80"), (TLines{"  ?:  x \t", "\xE9\x80"}));
}

TEST(SplitTranscriptLines, LongLineIsCutTo4096) {
  const std::string Exact(4096, 'e');
  const auto Lines = SplitTranscriptLines(std::string(5000, 'x') + "\r\n" + Exact + "\nnext");
  ASSERT_EQ(Lines.size(), 3u);
  EXPECT_EQ(Lines[0], std::string(4096, 'x'));
  EXPECT_EQ(Lines[1], Exact);
  EXPECT_EQ(Lines[2], "next");
}

TEST(SplitTranscriptLines, CutFallsAfterTheLastWholeCharacter) {
  // "€" takes bytes 4095 to 4097: the line keeps 4094 bytes, not the euro sign's first ones.
  const auto Lines = SplitTranscriptLines(std::string(4094, 'x') + "\xE2\x82\xAC" + "y\r\nz");
  ASSERT_EQ(Lines.size(), 2u);
  EXPECT_EQ(Lines[0], std::string(4094, 'x'));
  EXPECT_EQ(Lines[1], "z");
  // A character that ends exactly at byte 4096 stays.
  EXPECT_EQ(SplitTranscriptLines(std::string(4093, 'x') + "\xE2\x82\xAC" + "y")[0],
            std::string(4093, 'x') + "\xE2\x82\xAC");
}

// What a file made on a Western-European Windows holds, and what it reads as.
const TLines Windows1252Lines = {"STATEMENT",
                                 "  ?: Zuinigheid is een deugd",
                                 "",
                                 "CONCLUSION",
                                 "  ?: Het Café “De Kroon” is duur",
                                 "REASON",
                                 "  !: Één kop koffie kost er € 4,50",
                                 "",
                                 "STATEMENT",
                                 "  ?: Wie dat betaalt, is naïef",
                                 "",
                                 "CURRENT POSITION",
                                 ""};

TEST(TranscriptFile, FileThatIsNotUtf8IsReadAsWindows1252) {
  EXPECT_EQ(LoadTranscriptFile(Fixture("transcript-windows-1252.lin")), Windows1252Lines);
  // Saved again it is UTF-8, and reads as the same lines.
  TTemporaryDirectory Dir;
  const std::string Path = Dir.File("saved.lin");
  SaveTranscriptFile(Path, Windows1252Lines);
  EXPECT_EQ(ReadBytes(Path).find('\xE9'), std::string::npos);
  EXPECT_NE(ReadBytes(Path).find("Caf\xC3\xA9"), std::string::npos);
  EXPECT_EQ(LoadTranscriptFile(Path), Windows1252Lines);
}

TEST(TranscriptFile, WindowsLineIsCutAfterDecoding) {
  // 4096 bytes on disk, but "é" takes two bytes of UTF-8 and would end after byte 4096.
  EXPECT_EQ(TranscriptLinesOfBytes(std::string(4095, 'x') + "\xE9" + "\r\n\x80"),
            (TLines{std::string(4095, 'x'), "\xE2\x82\xAC"}));
}

TEST(TranscriptFile, Utf8FileWithAByteOrderMarkStartsWithItsKeyword) {
  EXPECT_EQ(TranscriptLinesOfBytes("\xEF\xBB\xBFSTATEMENT\r\n  ?: caf\xC3\xA9\r\n"),
            (TLines{"STATEMENT", "  ?: caf\xC3\xA9"}));
}

TEST(TranscriptFile, LoadsAPlainFile) {
  EXPECT_EQ(LoadTranscriptFile(Fixture("transcript-worked-example.lin")),
            (TLines{"STATEMENT", "  ?: <statement>", "", "CONCLUSION", "  ?: <conclusion>",
                    "REASON", "  !: <reason>", "", "CURRENT POSITION", "", "STATEMENT",
                    "  ?: (IF <reason>, THEN <conclusion>)", ""}));
}

TEST(TranscriptFile, LoadsTheTextOfARichTextFile) {
  EXPECT_EQ(LoadTranscriptFile(Fixture("wordprocessor.rtf")),
            (TLines{"STATEMENT", "  ?: Caf\xC3\xA9 prices rise", "", "STATEMENT",
                    "  !: The euro sign \xE2\x82\xAC is used", "CURRENT POSITION", ""}));
}

TEST(TranscriptFile, MalformedRichTextFailsToLoad) {
  EXPECT_EQ(ErrorOf([] { LoadTranscriptFile(Fixture("truncated.rtf")); }), "Failed to Load Stream");
}

TEST(TranscriptFile, UnreadablePathCannotBeOpened) {
  TTemporaryDirectory Dir;
  const std::string Missing = Dir.File("missing.lin");
  EXPECT_EQ(ErrorOf([&] { LoadTranscriptFile(Missing); }), "Cannot open file " + Missing);
  EXPECT_EQ(ErrorOf([&] { LoadTranscriptFile(Dir.Path()); }), "Cannot open file " + Dir.Path());
}

TEST(TranscriptFile, SaveEndsEveryLineWithCrLf) {
  TTemporaryDirectory Dir;
  const std::string Path = Dir.File("saved.lin");
  SaveTranscriptFile(Path, {"STATEMENT", "  ?:  blanks kept  ", "", "CURRENT POSITION", ""});
  EXPECT_EQ(ReadBytes(Path), "STATEMENT\r\n  ?:  blanks kept  \r\n\r\nCURRENT POSITION\r\n\r\n");
  EXPECT_EQ(LoadTranscriptFile(Path),
            (TLines{"STATEMENT", "  ?:  blanks kept  ", "", "CURRENT POSITION", ""}));

  SaveTranscriptFile(Path, {});
  EXPECT_EQ(ReadBytes(Path), "");
  // Only the file itself is left: no temporary file.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(TranscriptFile, FailedSaveReportsAndLeavesTheOldFile) {
  TTemporaryDirectory Dir;
  const std::string Unreachable = Dir.File("no dir/x.lin");
  EXPECT_EQ(ErrorOf([&] { SaveTranscriptFile(Unreachable, {"a"}); }),
            "Cannot create file " + Unreachable);

  // A file beside which nothing can be created stays as it was.
  const std::string Path = Dir.File("old.lin");
  const std::string Old = testing::MakeUnreplaceable(Path);
  EXPECT_EQ(ErrorOf([&] { SaveTranscriptFile(Path, {"new"}); }), "Cannot create file " + Path);
  EXPECT_EQ(ReadBytes(Path), Old);

  // A directory in the file's own place is not replaced.
  const std::string Occupied = Dir.File("occupied.lin");
  std::filesystem::create_directory(Occupied);
  WriteBytes(Occupied + "/inside", "kept");
  EXPECT_EQ(ErrorOf([&] { SaveTranscriptFile(Occupied, {"new"}); }),
            "Cannot create file " + Occupied);
  EXPECT_EQ(ReadBytes(Occupied + "/inside"), "kept");
}

}  // namespace
}  // namespace palaver
