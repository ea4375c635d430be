// The main window's views: the scroll area's contents and the speed buttons that choose them.

#include <QAction>
#include <QTextEdit>
#include <QTreeWidget>

#include "app/ArgIntForm.h"
#include "app/DiagramPaintBox.h"
#include "app/FindBar.h"
#include "app/ScrollBox.h"
#include "line/LineOfArgumentation.h"
#include "session/ProgramState.h"
#include "views/ArgumentsTree.h"
#include "views/ListViews.h"
#include "views/QtText.h"

namespace palaver {

namespace {

const TArgumentationStage* CurrentStage() {
  const auto& Line = State().LineOfArgumentation;
  return Line && Line->CurrentStage ? Line->CurrentStage.get() : nullptr;
}

// The drawings keep the stage they were drawn from alive.
PArgumentationStage SharedCurrentStage() {
  const auto& Line = State().LineOfArgumentation;
  return Line ? Line->CurrentStage : nullptr;
}

}  // namespace

void TArgIntForm::ShowOnlyView(QWidget* View) {
  QWidget* const Views[] = {LineOfArgumentationRichEdit, DialArgsPaintBox,
                            StatementsListView,          ReasonsListView,
                            ArgumentsTreeView,           DialArgsRichEdit};
  // Show first, then hide: the focus never has to pass through an empty scroll area.
  View->show();
  for (QWidget* Each : Views)
    if (Each != View) Each->hide();
  if (View == LineOfArgumentationRichEdit && TranscriptTextOutdated) DisplayTranscriptLines();
  ScrollBox1->FitContents();
}

void TArgIntForm::ApplySurfaceWidthRule() {
  const int Margin = DialArgsPaintBox->SurfaceHeight() > ScrollBox1->height() ? 20 : 7;
  DialArgsPaintBox->SetSurfaceWidth(ScrollBox1->width() - Margin);
}

void TArgIntForm::ShowDiagram() {
  DialArgsPaintBox->SetSurfaceHeight(0);
  DialArgsPaintBox->show();
  if (const PArgumentationStage Stage = SharedCurrentStage()) {
    DialArgsPaintBox->DrawDiagram(Stage, StructureOnlyChecked());
    // A diagram taller than the scroll area brings the vertical scroll bar, which leaves the
    // surface less room: the diagram is laid out once more at the narrower width.
    if (DialArgsPaintBox->SurfaceHeight() > ScrollBox1->height()) {
      ApplySurfaceWidthRule();
      DialArgsPaintBox->DrawDiagram(Stage, StructureOnlyChecked());
    }
  }
  ViewButtons.SetDown(ViewDialArgsSpeedButton);
  ShowOnlyView(DialArgsPaintBox);
  // A find that is open marks what it finds in the new drawing.
  if (FindBar->isVisible()) RunFind(false);
}

void TArgIntForm::ShowStatementsDiagram() {
  // The height is not reset here: the statements drawing only ever grows the surface.
  DialArgsPaintBox->show();
  if (const PArgumentationStage Stage = SharedCurrentStage())
    DialArgsPaintBox->DrawStatements(Stage, StructureOnlyChecked());
  ViewButtons.SetDown(ViewStatements2SpeedButton);
  ShowOnlyView(DialArgsPaintBox);
  if (FindBar->isVisible()) RunFind(false);
}

void TArgIntForm::ShowTranscriptView() {
  // The find looks in the drawings only.
  FindBar->hide();
  LineOfArgumentationRichEdit->resize(ScrollBox1->FillSize());
  ViewButtons.SetDown(ViewLineOfArgumentationSpeedButton);
  ShowOnlyView(LineOfArgumentationRichEdit);
}

// The lists and the tree put down a button of the hidden group, which leaves the visible view
// button down: the next RefreshCurrentView shows that button's view again in their place.

void TArgIntForm::ShowStatementsList() {
  FillStatementsList(*StatementsListView, CurrentStage());
  StatementsListView->resize(ScrollBox1->FillSize());
  HiddenViewButtons.SetDown(ViewStatementsSpeedButton);
  ShowOnlyView(StatementsListView);
}

void TArgIntForm::ShowReasonsList() {
  FillReasonsList(*ReasonsListView, CurrentStage());
  ReasonsListView->resize(ScrollBox1->FillSize());
  HiddenViewButtons.SetDown(ViewReasonsSpeedButton);
  ShowOnlyView(ReasonsListView);
}

void TArgIntForm::ShowArgumentsTree() {
  FillArgumentsTree(*ArgumentsTreeView, StatusIconsImageList, CurrentStage(),
                    State().ArgumentsNotCoordinated);
  ArgumentsTreeView->resize(ScrollBox1->FillSize());
  HiddenViewButtons.SetDown(ViewArgumentsSpeedButton);
  ShowOnlyView(ArgumentsTreeView);
}

TViewButton TArgIntForm::ViewButtonDown() const {
  const TSpeedButton* Down = ViewButtons.DownButton();
  if (Down == ViewLineOfArgumentationSpeedButton) return TViewButton::LineOfArgumentation;
  if (Down == ViewStatements2SpeedButton) return TViewButton::Statements;
  if (Down == ViewDialArgsSpeedButton) return TViewButton::Arguments;
  return TViewButton::None;
}

bool TArgIntForm::StructureOnlyChecked() const {
  return ShowStructureOnly->isChecked();
}

void TArgIntForm::SetStructureOnlyChecked(bool Checked) {
  ShowStructureOnly->setChecked(Checked);
}

// --- The line-of-argumentation view ------------------------------------------------------------

void TArgIntForm::DisplayTranscriptLines() {
  // The text goes into the view only while the view is shown, and when it is shown again: with
  // thousands of moves the text costs more than the move itself, and while the view is hidden
  // every move, Back, Forward and Open would rebuild it for nobody (a replay replaces it with
  // its progress text at once). The lines themselves are always kept exactly.
  if (LineOfArgumentationRichEdit->isHidden()) {
    TranscriptTextOutdated = true;
    return;
  }
  TranscriptTextOutdated = false;
  QString Text;
  for (std::size_t I = 0; I < TranscriptLines.size(); ++I) {
    if (I > 0) Text += QLatin1Char('\n');
    Text += ToQString(TranscriptLines[I]);
  }
  LineOfArgumentationRichEdit->setPlainText(Text);
}

void TArgIntForm::SetTranscriptViewLines(std::vector<std::string> Lines) {
  TranscriptLines = std::move(Lines);
  DisplayTranscriptLines();
}

void TArgIntForm::ShowProgressText(const std::string& FirstLine, const std::string& SecondLine) {
  DialArgsPaintBox->hide();
  LineOfArgumentationRichEdit->show();
  ScrollBox1->FitContents();
  SetTranscriptViewLines({FirstLine, SecondLine});
}

void TArgIntForm::AddProgressDot() {
  if (TranscriptLines.size() < 2) TranscriptLines.resize(2);
  TranscriptLines[1] += '.';
  DisplayTranscriptLines();
}

}  // namespace palaver
