#pragma once

#include <QString>
#include <cstddef>
#include <vector>

#include "views/DiagramPicture.h"

namespace palaver {

// Text as the search compares it: without accents, case folded, compatibility characters taken
// apart ("Één" and "een" match, so do "ĳs" and "ijs").
QString FoldedForSearch(const QString& Text);

// Finds the boxes of a drawing whose text contains a piece of text, ignoring case and accents.
// Each statement's text is folded once, when the search first meets the picture; a picture that
// has been drawn anew must be indexed again.
class TDiagramSearch {
 public:
  // Forgets the texts: the next search folds them again from Picture.
  void Index(const TDiagramPicture& Picture);
  // The indices into the picture's Boxes whose text contains Needle, in drawing order; none for
  // an empty needle.
  std::vector<std::size_t> Find(const QString& Needle) const;

 private:
  // The folded text of each box, and the index into it of each box.
  std::vector<QString> Texts;
  std::vector<std::size_t> TextOfBox;
};

}  // namespace palaver
