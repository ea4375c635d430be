// The drawing out of the window, on the 10,000-statement argumentation of the speed targets:
// export to each format (laid out, drawn into memory and written to a file safely), printing to
// a PDF file through QPrinter, painting the pages on a printer, and finding a statement.
//
// The surface is as wide as the window lays out a diagram taller than its scroll area: the
// scroll area's width less 20. A PNG or SVG stops at the height image programs open; a PDF and a
// print hold what the window holds.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtGlobal>

#include "TargetShape.h"
#include "views/DiagramExport.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"
#include "views/DiagramSearch.h"

namespace {

using namespace palaver;
using namespace palaver::bench;

constexpr int StatementCount = 10000;
constexpr int SurfaceWidth = MainWindowWidth - ButtonPanelWidth - 20;

const TArgumentationStage& Stage() {
  static const PArgumentationStage Built = StageOf(TargetArgumentation(StatementCount));
  return *Built;
}

TDiagramPicture Drawing(int HeightLimit) {
  TDrawingRequest Request;
  Request.Width = SurfaceWidth;
  Request.HeightLimit = HeightLimit;
  return LayOutDrawing(Stage(), Request);
}

std::string OutputPath(const char* Name) {
  static QTemporaryDir Dir;
  return QDir(Dir.path()).filePath(QString::fromLatin1(Name)).toStdString();
}

void SetCounters(benchmark::State& State, const TDiagramPicture& Picture) {
  State.counters["boxes"] = static_cast<double>(Picture.Boxes.size());
  State.counters["height"] = Picture.Height;
}

// What Export does once the file is chosen: lay out, draw into memory, replace the file.
void Export(benchmark::State& State, TDrawingFormat Format, int Scale, const char* Name) {
  const int Limit = Format == TDrawingFormat::Pdf ? 0 : ImageHeightLimit;
  TDrawingFileOptions Options;
  Options.Scale = Scale;
  if (Format == TDrawingFormat::Pdf) Options.Pages = TPageHeading{"target.lin", TLanguage::English};
  TDiagramPicture Picture;
  for (auto _ : State) {
    Picture = Drawing(Limit);
    const auto Bytes = DiagramFileBytes(Picture, DiagramFont(), Format, Options);
    WriteDrawingFile(OutputPath(Name), *Bytes);
    State.counters["bytes"] = static_cast<double>(Bytes->size());
  }
  SetCounters(State, Picture);
}
BENCHMARK_CAPTURE(Export, png, TDrawingFormat::Png, 1, "out.png")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Export, png_twice, TDrawingFormat::Png, 2, "out2.png")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Export, svg, TDrawingFormat::Svg, 1, "out.svg")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(Export, pdf, TDrawingFormat::Pdf, 1, "out.pdf")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Print to a PDF file, as the print dialog's file output does: QPrinter's page setup and
// resolution, the pages written safely.
void PrintToPdfFile(benchmark::State& State) {
  QPrinter Printer(QPrinter::HighResolution);
  Printer.setOutputFormat(QPrinter::PdfFormat);
  Printer.setPageLayout(DefaultPageLayout());
  TDiagramPicture Picture;
  for (auto _ : State) {
    Picture = Drawing(0);
    const auto Bytes = DiagramPagesPdf(Picture, DiagramFont(), {"target.lin", TLanguage::English},
                                       Printer.pageLayout(), Printer.resolution());
    WriteDrawingFile(OutputPath("printed.pdf"), *Bytes);
  }
  SetCounters(State, Picture);
}
BENCHMARK(PrintToPdfFile)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// The pages painted on a printer's own engine (a PDF-format QPrinter standing in for paper).
void PrintOnPrinter(benchmark::State& State) {
  TDiagramPicture Picture;
  int Pages = 0;
  for (auto _ : State) {
    QPrinter Printer(QPrinter::HighResolution);
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setOutputFileName(QString::fromStdString(OutputPath("paper.pdf")));
    Printer.setPageLayout(DefaultPageLayout());
    Picture = Drawing(0);
    QPainter Painter(&Printer);
    Pages = PaintDiagramPages(Painter, Printer, Picture, DiagramFont(),
                              {"target.lin", TLanguage::English});
    Painter.end();
  }
  SetCounters(State, Picture);
  State.counters["pages"] = Pages;
}
BENCHMARK(PrintOnPrinter)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Find in the diagram as the window shows it: the first keystroke after a drawing indexes the
// picture (folds each statement's text once) and, typing "c", finds every box; each further
// keystroke searches the index, here for "claim 5687" (a statement and a warrant that names it).
const TDiagramPicture& WindowPicture() {
  static const TDiagramPicture Picture = Drawing(0);
  return Picture;
}

void FindFirstKeystroke(benchmark::State& State) {
  const TDiagramPicture& Picture = WindowPicture();
  std::size_t Found = 0;
  for (auto _ : State) {
    TDiagramSearch Search;
    Search.Index(Picture);
    Found = Search.Find(QStringLiteral("c")).size();
  }
  SetCounters(State, Picture);
  State.counters["found"] = static_cast<double>(Found);
}
BENCHMARK(FindFirstKeystroke)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void FindNextKeystroke(benchmark::State& State) {
  const TDiagramPicture& Picture = WindowPicture();
  TDiagramSearch Search;
  Search.Index(Picture);
  std::size_t Found = 0;
  for (auto _ : State)
    Found = Search.Find(QStringLiteral("claim 5687")).size();
  SetCounters(State, Picture);
  State.counters["found"] = static_cast<double>(Found);
}
BENCHMARK(FindNextKeystroke)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
