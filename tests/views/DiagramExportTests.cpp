// Drawings for files and printers: the page breaks, the formats, and the search of a drawing.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QSvgRenderer>
#include <algorithm>
#include <map>

#include "DiagramShape.h"
#include "DiagramTrees.h"
#include "FixedMeasurer.h"
#include "views/DiagramExport.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPages.h"
#include "views/DiagramPainter.h"
#include "views/DiagramSearch.h"

namespace palaver {
namespace {

using namespace test;

// The diagram of a tall argumentation, laid out in the real font at the start-up width.
// The shapes live for the whole run: the pictures' boxes point into them.
const TDiagramShape& Shape(int Statements) {
  static std::map<int, TDiagramShape> Shapes;
  auto Found = Shapes.find(Statements);
  if (Found == Shapes.end())
    Found = Shapes.emplace(Statements, BuildDiagramShape(Statements)).first;
  return Found->second;
}

TDiagramPicture TallPicture(int Statements) {
  const TDiagramShape& Shape = palaver::Shape(Statements);
  const TQtTextMeasurer Measurer(DiagramFont());
  TDiagramLayout Layout(Measurer, StartupSurfaceWidth);
  Layout.DrawDiagram(Shape.MaximalDialecticalArguments);
  return std::move(Layout.Picture);
}

// How many pages a PDF has: its page objects.
int PdfPageCount(const QByteArray& Pdf) {
  int Pages = 0;
  for (qsizetype At = 0; (At = Pdf.indexOf("/Type /Page", At)) >= 0; At += 11)
    if (Pdf.mid(At + 11, 1) != "s") ++Pages;
  return Pages;
}

TEST(DiagramPages, SlicesCoverThePictureAndNeverCutABoxOrAMark) {
  const TDiagramPicture Picture = TallPicture(300);
  ASSERT_GT(Picture.Height, 3000);
  for (const int SliceHeight : {700, 1000}) {
    const std::vector<TPageSlice> Slices = PageSlices(Picture, SliceHeight);
    ASSERT_GE(Slices.size(), 2u);
    EXPECT_EQ(Slices.front().Top, 0);
    EXPECT_EQ(Slices.back().Bottom, Picture.Height);
    for (std::size_t I = 0; I < Slices.size(); ++I) {
      EXPECT_GT(Slices[I].Bottom, Slices[I].Top);
      EXPECT_LE(Slices[I].Bottom - Slices[I].Top, SliceHeight);
      if (I > 0) {
        EXPECT_EQ(Slices[I].Top, Slices[I - 1].Bottom);
      }
    }
    // Pages are filled: a page ends early only where the next box would not fit on it.
    const int Filled = Slices[Slices.size() - 2].Bottom;
    EXPECT_GT(Filled, static_cast<int>(Slices.size() - 1) * SliceHeight * 7 / 10);
    for (const TDiagramPrimitive& P : Picture.Primitives()) {
      const bool Mark = P.Kind == TPrimitiveKind::Line && P.Bounds.Height() <= 10;
      if (P.Kind != TPrimitiveKind::Box && P.Kind != TPrimitiveKind::Text &&
          P.Kind != TPrimitiveKind::Icon && !Mark)
        continue;
      for (const TPageSlice& Slice : Slices)
        EXPECT_FALSE(P.Bounds.Top < Slice.Top && Slice.Top < P.Bounds.Bottom)
            << "cut at " << Slice.Top << " through " << P.Bounds.Top << ".." << P.Bounds.Bottom;
    }
  }
}

TEST(DiagramPages, ABoxTallerThanAPageIsCutWhereThePageEndsAndAnEmptyPictureIsOnePage) {
  const TFixedMeasurer Measurer;
  TDiagramLayout Layout(Measurer, 60);
  const TDialecticalArguments Drawn =
      ListOf({Dial(Issue(std::string(400, 'w') + " words that wrap and wrap"))});
  Layout.DrawDiagram(Drawn);
  const std::vector<TPageSlice> Slices = PageSlices(Layout.Picture, 20);
  ASSERT_GE(Slices.size(), 2u);
  EXPECT_EQ(Slices[0], (TPageSlice{0, 20}));
  EXPECT_EQ(Slices[1], (TPageSlice{20, 40}));
  EXPECT_EQ(PageSlices(TDiagramPicture{}, 100), (std::vector<TPageSlice>{{0, 0}}));
}

TEST(DiagramExport, EachFormatIsWhatItsReaderReads) {
  const TDiagramPicture Picture = TallPicture(20);
  const QFont Font = DiagramFont();

  const auto Png = DiagramFileBytes(Picture, Font, TDrawingFormat::Png);
  ASSERT_TRUE(Png);
  const QImage Image = QImage::fromData(*Png, "PNG");
  EXPECT_EQ(Image.size(), QSize(Picture.Width, Picture.Height));
  // Twice the resolution: drawn at twice the size, not enlarged, so a frame is two pixels wide
  // and lies where the single one did, doubled.
  TDrawingFileOptions Twice;
  Twice.Scale = 2;
  const QImage Large =
      QImage::fromData(*DiagramFileBytes(Picture, Font, TDrawingFormat::Png, Twice));
  ASSERT_EQ(Large.size(), QSize(2 * Picture.Width, 2 * Picture.Height));
  const TDiagramRect& Box = Picture.Boxes.front().Bounds;
  EXPECT_EQ(Large.pixel(2 * Box.Left, 2 * Box.Top + 10), Image.pixel(Box.Left, Box.Top + 5));
  EXPECT_EQ(Large.pixel(2 * Box.Left + 1, 2 * Box.Top + 10), Image.pixel(Box.Left, Box.Top + 5));

  const auto Svg = DiagramFileBytes(Picture, Font, TDrawingFormat::Svg);
  ASSERT_TRUE(Svg);
  QSvgRenderer Renderer(*Svg);
  EXPECT_TRUE(Renderer.isValid());
  EXPECT_EQ(Renderer.viewBox(), QRect(0, 0, Picture.Width, Picture.Height));

  // One page of the picture's size, as palaver-cli writes it; or pages with a heading.
  const auto OnePage = DiagramFileBytes(Picture, Font, TDrawingFormat::Pdf);
  ASSERT_TRUE(OnePage);
  EXPECT_EQ(PdfPageCount(*OnePage), 1);
  TDrawingFileOptions Paged;
  Paged.Pages = TPageHeading{"dispute.lin", TLanguage::English};
  const TDiagramPicture Tall = TallPicture(300);
  const auto Pages = DiagramFileBytes(Tall, Font, TDrawingFormat::Pdf, Paged);
  ASSERT_TRUE(Pages);
  const QPageLayout A4 = DefaultPageLayout();
  const int PageRows = static_cast<int>(A4.paintRect(QPageLayout::Inch).height() * 96);
  EXPECT_GE(PdfPageCount(*Pages), Tall.Height / PageRows);
  EXPECT_LE(PdfPageCount(*Pages), Tall.Height / PageRows + 3);
}

TEST(DiagramExport, PageNumbersAndFormatsByName) {
  EXPECT_EQ(PageNumberText(TLanguage::English, 2, 1200), "page 2 of 1,200");
  EXPECT_EQ(PageNumberText(TLanguage::Dutch, 2, 1200), "pagina 2 van 1.200");
  EXPECT_EQ(DrawingFormatOfName("/a/b.SVG"), TDrawingFormat::Svg);
  EXPECT_EQ(DrawingFormatOfName("map.pdf"), TDrawingFormat::Pdf);
  EXPECT_EQ(DrawingFormatOfName("map.png"), TDrawingFormat::Png);
  EXPECT_EQ(DrawingFormatOfName("map.jpg"), std::nullopt);
  EXPECT_EQ(DrawingFormatOfName("/dir.png/map"), std::nullopt);
}

TEST(DiagramSearch, FindsBoxesIgnoringCaseAndAccentsInDrawingOrder) {
  const TFixedMeasurer Measurer;
  TDiagramLayout Layout(Measurer, 300);
  PDialecticalArgument Root = Dial(Issue("Één rechter beslist"));
  AddStep(*Root, Dial(Assumption("Een NAÏEVE getuige")));
  AddStep(*Root, Dial(Assumption("(the witness was naive)")));
  const TDialecticalArguments Drawn = ListOf({Root, Dial(Issue("ĳs en weder dienende"))});
  Layout.DrawDiagram(Drawn);
  TDiagramSearch Search;
  Search.Index(Layout.Picture);
  const auto Sentences = [&](const std::vector<std::size_t>& Found) {
    std::vector<std::string> Texts;
    Texts.reserve(Found.size());
    for (std::size_t I : Found)
      Texts.push_back(Layout.Picture.Boxes[I].Statement->Sentence);
    return Texts;
  };
  EXPECT_EQ(Sentences(Search.Find(QStringLiteral("een"))),
            (std::vector<std::string>{"Één rechter beslist", "Een NAÏEVE getuige"}));
  EXPECT_EQ(Sentences(Search.Find(QStringLiteral("naieve"))),
            (std::vector<std::string>{"Een NAÏEVE getuige"}));
  EXPECT_EQ(Sentences(Search.Find(QStringLiteral("NAÏ"))),
            (std::vector<std::string>{"Een NAÏEVE getuige", "(the witness was naive)"}));
  EXPECT_EQ(Sentences(Search.Find(QStringLiteral("IJS"))),
            (std::vector<std::string>{"ĳs en weder dienende"}));
  // The parentheses of a warrant are not shown, so they are not found either.
  EXPECT_TRUE(Search.Find(QStringLiteral("(the")).empty());
  EXPECT_TRUE(Search.Find(QString()).empty());
  EXPECT_TRUE(Search.Find(QStringLiteral("rechtbank")).empty());
}

}  // namespace
}  // namespace palaver
