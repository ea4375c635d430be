// The diagram of a 10,000-statement argumentation: laying it out with the real Qt text measurer
// and font, and repainting the part of it that a 600 x 480 main window shows.
//
// The surface is as wide as ShowDiagram leaves it for a diagram taller than the scroll area: the
// scroll area's width less 20. Every layout makes a new measurer and layout object, as each
// drawing of the window's paint surface does.
//
// DiagramLayout/first measures every text afresh and fills a new picture: the first drawing of
// the argumentation. DiagramLayout/redraw keeps what the previous drawing measured and the
// picture's storage, as the paint surface does: every refresh after a move, Back or Forward.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtGlobal>
#include <utility>

#include "TargetShape.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"

namespace {

using namespace palaver;
using namespace palaver::bench;

constexpr int StatementCount = 10000;
constexpr int ScrollAreaWidth = MainWindowWidth - ButtonPanelWidth;
constexpr int ScrollAreaHeight = MainWindowHeight;
constexpr int SurfaceWidth = ScrollAreaWidth - 20;

// The argumentation of the model's speed targets, its maximal dialectical arguments computed by
// the program's model.
struct TShape {
  PArgumentationStage Stage;
  const TDialecticalArguments& MaximalDialecticalArguments;
};

const TShape& Shape() {
  static const PArgumentationStage Stage = StageOf(TargetArgumentation(StatementCount));
  static const TShape Built{Stage, Stage->MaximalDialecticalArguments};
  return Built;
}

// Lays the diagram out into Picture, as the paint surface does: a new measurer and layout, the
// picture handed over from the previous drawing.
void LayOut(const QFont& Font, TDiagramPicture& Picture) {
  const TQtTextMeasurer Measurer(Font);
  TDiagramLayout Layout(Measurer, SurfaceWidth);
  Layout.Picture = std::move(Picture);
  Layout.Picture.Width = SurfaceWidth;
  Layout.Picture.Height = 0;
  Layout.DrawDiagram(Shape().MaximalDialecticalArguments);
  Picture = std::move(Layout.Picture);
}

void SetShapeCounters(benchmark::State& State, const TDiagramPicture& Picture) {
  State.counters["statements"] = Shape().Stage->Statements.Count();
  State.counters["primitives"] = static_cast<double>(Picture.Primitives().size());
  State.counters["height"] = Picture.Height;
}

void DiagramLayout(benchmark::State& State, bool Redraw) {
  const QFont Font = DiagramFont();
  TDiagramPicture Picture;
  if (Redraw) LayOut(Font, Picture);
  for (auto _ : State) {
    if (!Redraw) {
      State.PauseTiming();
      TQtTextMeasurer::ForgetMeasurements();
      Picture = TDiagramPicture();
      State.ResumeTiming();
    }
    LayOut(Font, Picture);
    benchmark::DoNotOptimize(Picture.Primitives().data());
  }
  SetShapeCounters(State, Picture);
}
BENCHMARK_CAPTURE(DiagramLayout, first, false)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(DiagramLayout, redraw, true)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One paint request for the whole visible area, scrolled to Permille of the diagram's height,
// painted as the window's paint surface paints it. The first paint after a layout also files the
// picture's primitives in bands; DiagramRepaintAfterLayout times that one.
void Paint(const TDiagramPicture& Picture, const QFont& Font, int Top, QImage& Image) {
  QPainter Painter(&Image);
  Painter.translate(0, -Top);
  PaintDiagram(Painter, Picture, Font, QRect(0, Top, ScrollAreaWidth, ScrollAreaHeight));
}

void DiagramRepaint(benchmark::State& State) {
  const QFont Font = DiagramFont();
  TDiagramPicture Picture;
  LayOut(Font, Picture);
  const int Top = static_cast<int>(static_cast<long long>(Picture.Height) * State.range(0) / 1000);
  QImage Image(ScrollAreaWidth, ScrollAreaHeight, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : State) {
    Paint(Picture, Font, Top, Image);
    benchmark::DoNotOptimize(Image.constBits());
  }
  SetShapeCounters(State, Picture);
}
BENCHMARK(DiagramRepaint)->Arg(0)->Arg(500)->Arg(900)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void DiagramRepaintAfterLayout(benchmark::State& State) {
  const QFont Font = DiagramFont();
  TDiagramPicture Picture;
  QImage Image(ScrollAreaWidth, ScrollAreaHeight, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : State) {
    State.PauseTiming();
    LayOut(Font, Picture);
    State.ResumeTiming();
    Paint(Picture, Font, Picture.Height / 2, Image);
    benchmark::DoNotOptimize(Image.constBits());
  }
  SetShapeCounters(State, Picture);
}
BENCHMARK(DiagramRepaintAfterLayout)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

int main(int argc, char** argv) {
  // Measuring and painting text needs a GUI application; without a display the offscreen
  // platform serves.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication App(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
