#include "views/DiagramSearch.h"

#include <unordered_map>

#include "model/Statement.h"
#include "views/DiagramLayout.h"
#include "views/QtText.h"

namespace palaver {

QString FoldedForSearch(const QString& Text) {
  const QString Parts = Text.normalized(QString::NormalizationForm_KD);
  QString Folded;
  Folded.reserve(Parts.size());
  for (const QChar C : Parts)
    if (C.category() != QChar::Mark_NonSpacing) Folded += C;
  return Folded.toCaseFolded();
}

void TDiagramSearch::Index(const TDiagramPicture& Picture) {
  Texts.clear();
  TextOfBox.clear();
  TextOfBox.reserve(Picture.Boxes.size());
  // A statement drawn in many boxes is folded once.
  std::unordered_map<const TStatement*, std::size_t> Known;
  for (const TDiagramBox& Box : Picture.Boxes) {
    const auto [Found, Added] = Known.try_emplace(Box.Statement, Texts.size());
    if (Added)
      Texts.push_back(Box.Statement != nullptr
                          ? FoldedForSearch(ToQString(BoxText(Box.Statement->Sentence)))
                          : QString());
    TextOfBox.push_back(Found->second);
  }
}

std::vector<std::size_t> TDiagramSearch::Find(const QString& Needle) const {
  std::vector<std::size_t> Boxes;
  const QString Folded = FoldedForSearch(Needle);
  if (Folded.isEmpty()) return Boxes;
  std::vector<signed char> Matches(Texts.size(), -1);
  for (std::size_t I = 0; I < TextOfBox.size(); ++I) {
    signed char& Match = Matches[TextOfBox[I]];
    if (Match < 0) Match = Texts[TextOfBox[I]].contains(Folded) ? 1 : 0;
    if (Match > 0) Boxes.push_back(I);
  }
  return Boxes;
}

}  // namespace palaver
