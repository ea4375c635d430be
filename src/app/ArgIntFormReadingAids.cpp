// What helps a reader find the way in the diagram: the legend, the boxes' tooltips, and scrolling
// to what a move has changed.

#include <QAction>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "app/ArgIntForm.h"
#include "app/DiagramPaintBox.h"
#include "app/LegendForm.h"
#include "app/ScrollBox.h"
#include "line/LineOfArgumentation.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"
#include "views/DiagramFocus.h"
#include "views/DiagramToolTips.h"

namespace palaver {

// --- The legend ----------------------------------------------------------------------------

void TArgIntForm::Legend1Click() {
  LogUserAction("Help legend (menu)");
  ShowLegendForm();
}

void TArgIntForm::ShowLegendForm() {
  if (LegendForm == nullptr) {
    LegendForm = new TLegendForm(this);
    LegendForm->ApplyLanguage(State().Language);
  }
  LegendForm->show();
  LegendForm->raise();
  LegendForm->activateWindow();
}

// --- Tooltips ------------------------------------------------------------------------------

std::string TArgIntForm::DiagramBoxToolTip(const TDiagramBox& Box) const {
  const PArgumentationStage& Drawn = DialArgsPaintBox->DrawnStage();
  const auto& Line = State().LineOfArgumentation;
  // A picture of a line that has since been replaced says nothing until it is redrawn.
  if (!Drawn || Box.Statement == nullptr || !Line || Line->CurrentStage != Drawn) return {};
  const TDialecticalArgument* D = Box.DialecticalArgument;
  if (D == nullptr) {
    // The statements drawing shows each statement by its own status, which its own dialectical
    // argument explains.
    for (const PDialecticalArgument& Each : Drawn->DialecticalArguments)
      if (Each && Each->Conclusion.get() == Box.Statement) {
        D = Each.get();
        break;
      }
  }
  return BoxToolTip(*Box.Statement, D, State().Language);
}

// --- Scrolling to the change ---------------------------------------------------------------

void TArgIntForm::RevealMove(const TMoveFocus& Focus) {
  const TViewButton Down = ViewButtonDown();
  if ((Down != TViewButton::Arguments && Down != TViewButton::Statements) ||
      DialArgsPaintBox->isHidden())
    return;
  std::vector<TDiagramFocus> Places =
      ChangedBoxes(DialArgsPaintBox->Picture(), Focus.Statement, Focus.Conclusion, Focus.Reason);
  if (Places.empty()) return;
  // The places as they lie on the surface at its zoom.
  const auto OnScreen = [this](TDiagramRect& Rect) {
    const QRect Shown = DialArgsPaintBox->ScreenRect(Rect);
    Rect = {Shown.left(), Shown.top(), Shown.right() + 1, Shown.bottom() + 1};
  };
  for (TDiagramFocus& Place : Places) {
    OnScreen(Place.Box);
    OnScreen(Place.Whole);
  }

  // The surface sits at the top left of the scroll area's contents, so its coordinates are the
  // contents'.
  QScrollBar* Bar = ScrollBox1->verticalScrollBar();
  const int Top = Bar->value();
  const int Height = ScrollBox1->viewport()->height();
  constexpr int Margin = 4;
  for (const TDiagramFocus& Place : Places)
    if (Place.Box.Top >= Top && Place.Box.Bottom <= Top + Height) return;

  // The place that needs the shortest scroll, shown with its conclusion when both fit.
  int Best = Top;
  int BestDistance = std::numeric_limits<int>::max();
  for (const TDiagramFocus& Place : Places) {
    const TDiagramRect& Shown =
        Place.Whole.Height() + 2 * Margin <= Height ? Place.Whole : Place.Box;
    const int Value = Shown.Top < Top || Shown.Height() + 2 * Margin > Height
                          ? Shown.Top - Margin
                          : Shown.Bottom + Margin - Height;
    if (std::abs(Value - Top) < BestDistance) {
      BestDistance = std::abs(Value - Top);
      Best = Value;
    }
  }
  Bar->setValue(std::clamp(Best, Bar->minimum(), Bar->maximum()));
}

}  // namespace palaver
