#include "cli/CliRender.h"

#include <QByteArray>
#include <optional>

#include "session/PlatformError.h"
#include "session/ProgramState.h"
#include "views/DiagramExport.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"

namespace palaver {

namespace {

TDrawingFormat DrawingFormat(TRenderFormat Format) {
  switch (Format) {
    case TRenderFormat::Svg:
      return TDrawingFormat::Svg;
    case TRenderFormat::Pdf:
      return TDrawingFormat::Pdf;
    case TRenderFormat::Png:
      break;
  }
  return TDrawingFormat::Png;
}

}  // namespace

void RenderStage(const TCliCommand& Command, const TArgumentationStage& Stage) {
  TDrawingRequest Request;
  Request.View =
      Command.View == TRenderView::Statements ? TDrawingView::Statements : TDrawingView::Diagram;
  Request.Width = Command.Width > 0 ? Command.Width : StartupSurfaceWidth;
  Request.ShowStructureOnly = Command.StructureOnly;
  Request.Language = State().Language;
  // A picture file stays within what image programs open.
  Request.HeightLimit = RenderHeightLimit;
  const TDiagramPicture Picture = LayOutDrawing(Stage, Request);

  // The whole drawing is made in memory first, so that a failure leaves any old file as it was.
  const std::optional<QByteArray> Bytes =
      DiagramFileBytes(Picture, DiagramFont(), DrawingFormat(Command.Format));
  if (!Bytes) throw TPlatformError(UnableToWriteToMessage(Command.OutputPath));
  WriteDrawingFile(Command.OutputPath, *Bytes);
}

}  // namespace palaver
