#pragma once

#include <ostream>

#include "views/DiagramPicture.h"

namespace palaver {

// Readable failure messages for the diagram's value types.

inline void PrintTo(const TDiagramRect& R, std::ostream* Out) {
  *Out << "[" << R.Left << "," << R.Top << " - " << R.Right << "," << R.Bottom << ")";
}

inline void PrintTo(const TDiagramPoint& P, std::ostream* Out) {
  *Out << "(" << P.X << "," << P.Y << ")";
}

inline void PrintTo(const TDiagramColour& C, std::ostream* Out) {
  *Out << "rgb(" << int(C.Red) << "," << int(C.Green) << "," << int(C.Blue) << ")";
}

inline void PrintTo(const TDiagramPen& P, std::ostream* Out) {
  PrintTo(P.Colour, Out);
  *Out << (P.Style == TPenStyle::Dotted ? " dotted" : " solid");
}

inline void PrintTo(const TDiagramFont& F, std::ostream* Out) {
  PrintTo(F.Colour, Out);
  *Out << (F.Style == TFontStyle::Bold     ? " bold"
           : F.Style == TFontStyle::Italic ? " italic"
                                           : " regular");
}

}  // namespace palaver
