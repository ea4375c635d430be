// The drawing leaves the window: exported to a PNG, SVG or PDF file, printed, or copied to the
// clipboard. Every way goes through the drawing's one layout and painter (views/DiagramExport).

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/ArgIntForm.h"
#include "app/DiagramPaintBox.h"
#include "line/LineOfArgumentation.h"
#include "session/PlatformError.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"
#include "transcript/TranscriptFormat.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"
#include "views/QtText.h"

namespace palaver {

namespace {

bool IsDutch() {
  return State().Language == TLanguage::Dutch;
}

// The export dialog's filters, in this order; the second writes a PNG at twice the size, for
// slides and print.
enum TExportFilter { PngFilter, PngTwiceFilter, SvgFilter, PdfFilter };

TFileDialogOptions ExportDialogOptions() {
  TFileDialogOptions Options;
  if (IsDutch()) {
    Options.Filters = {{"PNG-afbeelding (*.png)", "*.png"},
                       {"PNG-afbeelding, dubbele resolutie (*.png)", "*.png"},
                       {"SVG-tekening (*.svg)", "*.svg"},
                       {"PDF-document (*.pdf)", "*.pdf"}};
    Options.Title = "Diagram exporteren";
  } else {
    Options.Filters = {{"PNG image (*.png)", "*.png"},
                       {"PNG image, twice the resolution (*.png)", "*.png"},
                       {"SVG drawing (*.svg)", "*.svg"},
                       {"PDF document (*.pdf)", "*.pdf"}};
    Options.Title = "Export diagram";
  }
  Options.DefaultExtension = "png";
  Options.PromptOverwrite = true;
  return Options;
}

// The line's file name without its directory and extension, for a file made from it; a line
// never saved has none of its own.
std::string BaseName() {
  const auto& Line = State().LineOfArgumentation;
  if (!Line || Line->FileName == "New.lin") return "diagram";
  std::string Name = FileNamePart(Line->FileName);
  if (const std::size_t Dot = Name.rfind('.'); Dot != std::string::npos && Dot > 0)
    Name.resize(Dot);
  return Name.empty() ? "diagram" : Name;
}

TPageHeading PageHeading() {
  const auto& Line = State().LineOfArgumentation;
  return {FileNamePart(Line ? Line->FileName : std::string()), State().Language};
}

// The pages a printer was asked for, from 1; 0 for no bound.
std::pair<int, int> PageRange(const QPrinter& Printer) {
  if (Printer.printRange() != QPrinter::PageRange) return {0, 0};
  return {Printer.fromPage(), Printer.toPage()};
}

}  // namespace

TDiagramPicture TArgIntForm::DrawingShown(int HeightLimit) const {
  const auto& Line = State().LineOfArgumentation;
  if (!Line || !Line->CurrentStage) return {};
  TDrawingRequest Request;
  Request.View = ViewButtonDown() == TViewButton::Statements ? TDrawingView::Statements
                                                             : TDrawingView::Diagram;
  Request.Width = DialArgsPaintBox->LayoutWidth();
  Request.ShowStructureOnly = StructureOnlyChecked();
  Request.Language = State().Language;
  Request.HeightLimit = HeightLimit;
  return LayOutDrawing(*Line->CurrentStage, Request);
}

void TArgIntForm::ExportDrawing(const std::string& Path, TDrawingFormat Format, int Scale) {
  // An image stops where image programs still open it; a PDF is paginated, so it holds what
  // the window holds.
  const TDiagramPicture Picture =
      DrawingShown(Format == TDrawingFormat::Pdf ? 0 : ImageHeightLimit);
  TDrawingFileOptions Options;
  Options.Scale = Scale;
  if (Format == TDrawingFormat::Pdf) Options.Pages = PageHeading();
  const std::optional<QByteArray> Bytes = DiagramFileBytes(Picture, DiagramFont(), Format, Options);
  if (!Bytes) throw TPlatformError(UnableToWriteToMessage(Path));
  WriteDrawingFile(Path, *Bytes);
}

void TArgIntForm::Export1Click() {
  LogUserAction("Export diagram (menu)");
  if (!State().SavingAllowed) return;
  TFileDialogRequest Request;
  Request.Name = "ExportDialog";
  Request.Save = true;
  Request.Options = ExportDialogOptions();
  Request.InitialDirectory = InitialDirectory;
  Request.SuggestedName = BaseName() + ".png";
  Request.SuffixFollowsFilter = true;
  const std::optional<TChosenFile> Chosen = Dialogs->ExecuteWithFilter(Request);
  if (!Chosen) return;
  LogUserAction("Export diagram to: " + Chosen->Path);
  // The suffix typed decides; a name without one of ours takes the filter's format.
  TDrawingFormat Format = TDrawingFormat::Png;
  if (const std::optional<TDrawingFormat> Named = DrawingFormatOfName(Chosen->Path))
    Format = *Named;
  else if (Chosen->Filter == SvgFilter)
    Format = TDrawingFormat::Svg;
  else if (Chosen->Filter == PdfFilter)
    Format = TDrawingFormat::Pdf;
  const int Scale = Format == TDrawingFormat::Png && Chosen->Filter == PngTwiceFilter ? 2 : 1;
  ExportDrawing(Chosen->Path, Format, Scale);
}

void TArgIntForm::PrintDrawing(QPrinter& Printer) {
  const TDiagramPicture Picture = DrawingShown(0);
  const auto [First, Last] = PageRange(Printer);
  if (Printer.outputFormat() == QPrinter::PdfFormat) {
    // Printing to a file is saving: it is refused where saving is, and the file is written as
    // every file is, whole or not at all.
    if (!State().SavingAllowed) {
      MessageBoxes().Warning(IsDutch() ? "Afdrukken naar een bestand is hier niet toegestaan."
                                       : "Printing to a file is not allowed here.");
      return;
    }
    const std::string Path = FromQString(Printer.outputFileName());
    const std::optional<QByteArray> Bytes =
        DiagramPagesPdf(Picture, DiagramFont(), PageHeading(), Printer.pageLayout(),
                        Printer.resolution(), First, Last);
    if (!Bytes) throw TPlatformError(UnableToWriteToMessage(Path));
    WriteDrawingFile(Path, *Bytes);
    return;
  }
  QPainter Painter;
  if (!Painter.begin(&Printer) ||
      PaintDiagramPages(Painter, Printer, Picture, DiagramFont(), PageHeading(), First, Last) == 0)
    throw TPlatformError(UnableToWriteToMessage(FromQString(Printer.printerName())));
}

void TArgIntForm::Print1Click() {
  LogUserAction("Print (menu)");
  QPrinter Printer(QPrinter::HighResolution);
  // Names the print job, and the file a print to a file proposes.
  Printer.setDocName(ToQString(BaseName()));
  QPrintDialog Dialog(&Printer, this);
  Dialog.setOption(QAbstractPrintDialog::PrintToFile, State().SavingAllowed);
  Dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  Dialog.setMinMax(1, 9999);
  if (Dialog.exec() != QDialog::Accepted) {
    FormActivate();
    return;
  }
  LogUserAction("Print to: " + FromQString(Printer.outputFormat() == QPrinter::PdfFormat
                                               ? Printer.outputFileName()
                                               : Printer.printerName()));
  PrintDrawing(Printer);
}

void TArgIntForm::PrintPreview1Click() {
  LogUserAction("Print preview (menu)");
  QPrinter Printer(QPrinter::HighResolution);
  Printer.setDocName(ToQString(BaseName()));
  Printer.setPageLayout(DefaultPageLayout());
  QPrintPreviewDialog Dialog(&Printer, this);
  Dialog.setObjectName(QStringLiteral("PrintPreviewDialog"));
  const TDiagramPicture Picture = DrawingShown(0);
  connect(&Dialog, &QPrintPreviewDialog::paintRequested, this, [this, &Picture](QPrinter* Target) {
    Guarded([&] {
      // The preview paints into pictures of the pages; printing from it goes the usual way.
      if (Target->paintEngine() != nullptr &&
          Target->paintEngine()->type() == QPaintEngine::Picture) {
        QPainter Painter(Target);
        PaintDiagramPages(Painter, *Target, Picture, DiagramFont(), PageHeading());
      } else {
        LogUserAction("Print to: " + FromQString(Target->outputFormat() == QPrinter::PdfFormat
                                                     ? Target->outputFileName()
                                                     : Target->printerName()));
        PrintDrawing(*Target);
      }
    });
  });
  Dialog.exec();
  FormActivate();
}

void TArgIntForm::CopyDiagram1Click() {
  LogUserAction("Copy diagram");
  const TDiagramPicture Picture = DrawingShown(ImageHeightLimit);
  // An image for word processors, and the SVG for drawing programs, which keep it sharp.
  auto* Data = new QMimeData;
  const QImage Image = DiagramImage(Picture, DiagramFont());
  if (!Image.isNull()) Data->setImageData(Image);
  if (const std::optional<QByteArray> Svg =
          DiagramFileBytes(Picture, DiagramFont(), TDrawingFormat::Svg))
    Data->setData(QStringLiteral("image/svg+xml"), *Svg);
  QApplication::clipboard()->setMimeData(Data);
}

}  // namespace palaver
