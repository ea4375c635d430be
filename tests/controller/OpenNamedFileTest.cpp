// A file named to the program at start-up opens as Open does once its dialog has named it.

#include <gtest/gtest.h>

#include "ControllerTestSupport.h"
#include "session/PlatformError.h"

namespace palaver::test {
namespace {

class OpenNamedFileTest : public TranscriptTest {};

TEST_F(OpenNamedFileTest, OpensLikeOpenWithoutTheDialog) {
  const std::string Path = DataFile("transcript-worked-example.lin");
  EXPECT_TRUE(Core.OpenNamedFile(Path));
  EXPECT_EQ(Statements(), (TLines{"?<statement>", "?<conclusion>", "!<reason>"}));
  EXPECT_EQ(Line().FileName, Path);
  EXPECT_EQ(Platform.Title, "Palaver - transcript-worked-example.lin");
  EXPECT_FALSE(Line().Changed);
  EXPECT_TRUE(Platform.BackEnabled);
  EXPECT_TRUE(Platform.OpenDialogsShown.empty());
  EXPECT_EQ(Log.Texts(), (TLines{"Open file: " + Path}));
}

TEST_F(OpenNamedFileTest, AnUnreadableFileLeavesTheEmptyLine) {
  const TLineOfArgumentation* Before = &Line();
  const std::string Missing = PathOf("missing.lin");
  try {
    Core.OpenNamedFile(Missing);
    ADD_FAILURE() << "no error";
  } catch (const TPlatformError& Error) {
    EXPECT_EQ(std::string(Error.what()), "Cannot open file " + Missing);
  }
  EXPECT_EQ(&Line(), Before);
  EXPECT_EQ(Line().FileName, "New.lin");
  EXPECT_EQ(Platform.Title, "Palaver - New line of argumentation");
}

TEST_F(OpenNamedFileTest, ARestoredLineIsNotGivenUpUnasked) {
  // The line restored from a recovery file has changes: the file opens only once the
  // save-changes question lets it.
  Core.StatementMove(Issue("restored"));
  Platform.Boxes.Answers = {TAnswer::Cancel};
  EXPECT_FALSE(Core.OpenNamedFile(DataFile("transcript-worked-example.lin")));
  EXPECT_EQ(Statements(), (TLines{"?restored"}));
  EXPECT_TRUE(Line().Changed);

  Platform.Boxes.Answers = {TAnswer::No};
  EXPECT_TRUE(Core.OpenNamedFile(DataFile("transcript-worked-example.lin")));
  EXPECT_EQ(Statements().size(), 3u);
}

}  // namespace
}  // namespace palaver::test
