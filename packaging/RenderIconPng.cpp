// Renders the application icon's SVG to a square PNG of the given size, for the icon theme's
// fixed-size folders. Used at build time only.

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: palaver-render-icon ICON.svg SIZE OUT.png\n", stderr);
    return 2;
  }
  const int Size = std::atoi(argv[2]);
  if (Size < 1 || Size > 1024) {
    std::fprintf(stderr, "palaver-render-icon: bad size '%s'\n", argv[2]);
    return 2;
  }
  QSvgRenderer Renderer{QString::fromLocal8Bit(argv[1])};
  if (!Renderer.isValid()) {
    std::fprintf(stderr, "palaver-render-icon: cannot read '%s'\n", argv[1]);
    return 1;
  }
  QImage Image(Size, Size, QImage::Format_ARGB32_Premultiplied);
  Image.fill(Qt::transparent);
  {
    QPainter Painter(&Image);
    Painter.setRenderHint(QPainter::Antialiasing);
    Renderer.render(&Painter, QRectF(0, 0, Size, Size));
  }
  if (!Image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "palaver-render-icon: cannot write '%s'\n", argv[3]);
    return 1;
  }
  return 0;
}
