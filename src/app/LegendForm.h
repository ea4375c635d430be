#pragma once

#include <QDialog>
#include <vector>

#include "session/Language.h"
#include "views/DiagramLegend.h"
#include "views/DiagramPicture.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace palaver {

// One example of the legend, drawn by the diagram's layout and painter in the diagram's font.
class TLegendPicture final : public QWidget {
 public:
  TLegendPicture(TLegendEntry Entry, QWidget* Parent);

  const TDiagramPicture& Picture() const { return ThePicture; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* Event) override;

 private:
  TLegendEntry Entry;
  TDiagramPicture ThePicture;
};

// The legend window (Help, "Legend..."): every mark of the diagram with one line that explains
// it, in the current language. It is not modal, so it can stay open beside the diagram; Escape
// or Close hides it, and a language switch redraws it in the new language.
class TLegendForm final : public QDialog {
 public:
  explicit TLegendForm(QWidget* Parent);

  // Builds the examples and texts anew in Language.
  void ApplyLanguage(TLanguage Language);

  // The rows as shown: the picture and the explanation of each mark, in order.
  const std::vector<TLegendPicture*>& Pictures() const { return RowPictures; }
  const std::vector<QLabel*>& Explanations() const { return RowExplanations; }
  QLabel* IntroductionLabel = nullptr;
  QLabel* NavigationLabel = nullptr;
  QPushButton* CloseButton = nullptr;

  void done(int Result) override;

 private:
  QScrollArea* Rows = nullptr;
  std::vector<TLegendPicture*> RowPictures;
  std::vector<QLabel*> RowExplanations;
};

}  // namespace palaver
