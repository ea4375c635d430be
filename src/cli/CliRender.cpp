#include "cli/CliRender.h"

#include <QBuffer>
#include <QByteArray>
#include <QFont>
#include <QImage>

#include "session/PlatformError.h"
#include "session/ProgramState.h"
#include "session/WholeFile.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"
#include "views/QtText.h"

namespace palaver {

namespace {

bool WritePicture(const TDiagramPicture& Picture, const QFont& Font, TRenderFormat Format,
                  QIODevice& File) {
  switch (Format) {
    case TRenderFormat::Png: {
      // A picture too large for memory gives a null image, which is reported like any other
      // failure to write.
      const QImage Image = DiagramImage(Picture, Font);
      return !Image.isNull() && Image.save(&File, "PNG");
    }
    case TRenderFormat::Svg:
      return WriteDiagramSvg(Picture, Font, File);
    case TRenderFormat::Pdf:
      return WriteDiagramPdf(Picture, Font, File);
  }
  return false;
}

}  // namespace

void RenderStage(const TCliCommand& Command, const TArgumentationStage& Stage) {
  const QFont Font = DiagramFont();
  const TQtTextMeasurer Measurer(Font);
  const int Width = Command.Width > 0 ? Command.Width : StartupSurfaceWidth;
  TDiagramLayout Layout(Measurer, Width, Command.StructureOnly);
  Layout.Language = State().Language;
  // A picture file stays within what image programs open.
  Layout.HeightLimit = RenderHeightLimit;
  // A fresh surface has height 0, as ShowDiagram leaves it before drawing; the drawing grows it.
  if (Command.View == TRenderView::Statements)
    Layout.DrawStatements(Stage);
  else
    Layout.DrawDiagram(Stage);

  // The whole drawing is made in memory first, so that a failure leaves any old file as it was.
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  if (!WritePicture(Layout.Picture, Font, Command.Format, Buffer))
    throw TPlatformError(UnableToWriteToMessage(Command.OutputPath));
  if (!ReplaceFileSafely(
          Command.OutputPath,
          std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size()))))
    throw TPlatformError(CannotCreateFileMessage(Command.OutputPath));
}

}  // namespace palaver
