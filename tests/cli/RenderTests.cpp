#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

#include "CliTestSupport.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"

namespace palaver {
namespace {

using namespace test;

const QRgb Blue = qRgb(0, 0, 255);
const QRgb Teal = qRgb(0, 128, 128);
const QRgb Black = qRgb(0, 0, 0);

class Render : public ::testing::Test {
 protected:
  // Renders the worked example (with the options given) into Name in a fresh directory.
  std::string RenderExample(const std::string& Name, std::vector<std::string> Options = {}) {
    std::string Path = Dir.path().toStdString() + "/" + Name;
    std::vector<std::string> Arguments{"render", DataPath("transcript-worked-example.lin"), "-o",
                                       Path};
    Arguments.insert(Arguments.end(), Options.begin(), Options.end());
    const TCliResult Result = RunCli(Arguments);
    EXPECT_EQ(Result.ExitStatus, ExitSuccess) << Result.Err;
    return Path;
  }

  static QRgb At(const QImage& Image, int X, int Y) { return Image.pixel(X, Y) | 0xFF000000; }

  // The row pitch of the drawing in the diagram's font.
  static int RowPitch() { return TQtTextMeasurer(DiagramFont()).TextHeight() + 15; }

  QTemporaryDir Dir;
};

TEST_F(Render, WritesEachFormat) {
  const std::string Png = ReadBytes(RenderExample("out.png"));
  const std::string Svg = ReadBytes(RenderExample("out.svg"));
  const std::string Pdf = ReadBytes(RenderExample("out.pdf"));
  EXPECT_EQ(Png.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_NE(Svg.find("<svg"), std::string::npos);
  EXPECT_NE(Svg.find("&lt;statement&gt;"), std::string::npos);
  EXPECT_EQ(Pdf.substr(0, 5), "%PDF-");
  EXPECT_GT(Pdf.size(), 500u);
}

TEST_F(Render, PictureHasTheSurfaceWidthAndTheFramesColours) {
  const QImage Default(QString::fromStdString(RenderExample("default.png")));
  ASSERT_FALSE(Default.isNull());
  EXPECT_EQ(Default.width(), StartupSurfaceWidth);

  const QImage Narrow(QString::fromStdString(RenderExample("narrow.png", {"--width", "300"})));
  ASSERT_FALSE(Narrow.isNull());
  EXPECT_EQ(Narrow.width(), 300);
  // The first maximal dialectical argument is the lone issue "<statement>": its box starts at
  // (2, 2) with an unjustified (teal) frame; the conclusion below it is justified (blue).
  const int D = RowPitch();
  EXPECT_EQ(At(Narrow, 2, 2), Teal);
  EXPECT_EQ(At(Narrow, 2, 23), Teal);
  EXPECT_EQ(At(Narrow, 2, D + 2), Blue);
  EXPECT_EQ(At(Narrow, 1, 2), qRgb(255, 255, 255));

  const QImage Plain(
      QString::fromStdString(RenderExample("plain.png", {"--structure-only", "--width", "300"})));
  EXPECT_EQ(At(Plain, 2, 2), Black);
  EXPECT_EQ(At(Plain, 2, D + 2), Black);
}

TEST_F(Render, StatementsViewDrawsEveryStatementAfterTheEdits) {
  const QImage Image(QString::fromStdString(
      RenderExample("statements.png", {"--view", "statements", "--forward"})));
  ASSERT_FALSE(Image.isNull());
  const int D = RowPitch();
  // Four one-line boxes, one per row: the last one's bottom edge is at 3 d + 24.
  EXPECT_EQ(Image.height(), 3 * D + 26);
  EXPECT_EQ(At(Image, 2, 2), Teal);          // <statement>
  EXPECT_EQ(At(Image, 2, D + 2), Teal);      // <conclusion>, blocked by its warrant
  EXPECT_EQ(At(Image, 2, 2 * D + 2), Blue);  // <reason>
  EXPECT_EQ(At(Image, 2, 3 * D + 2), Teal);  // the warrant, an issue
}

TEST_F(Render, EmptyDrawingStillGivesAValidFile) {
  for (const char* Name : {"empty.png", "empty.svg", "empty.pdf"}) {
    const std::string Path = RenderExample(Name, {"--back", "--back", "--width", "120"});
    EXPECT_GT(ReadBytes(Path).size(), 0u) << Name;
  }
  const QImage Image(QString::fromStdString(Dir.path().toStdString() + "/empty.png"));
  ASSERT_FALSE(Image.isNull());
  EXPECT_EQ(Image.width(), 120);
  EXPECT_EQ(At(Image, 0, 0), qRgb(255, 255, 255));
}

TEST_F(Render, OutputThatCannotBeCreatedIsAPlatformError) {
  const std::string Path = Dir.path().toStdString() + "/missing/out.png";
  const TCliResult Result =
      RunCli({"render", DataPath("transcript-worked-example.lin"), "-o", Path});
  EXPECT_EQ(Result.ExitStatus, ExitPlatformError);
  EXPECT_EQ(Result.Err, "Cannot create file " + Path + "\n");
}

}  // namespace
}  // namespace palaver
