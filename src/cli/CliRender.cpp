#include "cli/CliRender.h"

#include <QFont>
#include <QImage>
#include <QSaveFile>

#include "session/PlatformError.h"
#include "session/ProgramState.h"
#include "views/DiagramLayout.h"
#include "views/DiagramPainter.h"
#include "views/QtText.h"

namespace palaver {

namespace {

bool WritePicture(const TDiagramPicture& Picture, const QFont& Font, TRenderFormat Format,
                  QSaveFile& File) {
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

  QSaveFile File(ToQString(Command.OutputPath));
  if (!File.open(QIODevice::WriteOnly))
    throw TPlatformError(CannotCreateFileMessage(Command.OutputPath));
  if (!WritePicture(Layout.Picture, Font, Command.Format, File)) {
    File.cancelWriting();
    throw TPlatformError(UnableToWriteToMessage(Command.OutputPath));
  }
  if (!File.commit()) throw TPlatformError(UnableToWriteToMessage(Command.OutputPath));
}

}  // namespace palaver
