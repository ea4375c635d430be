// Getting around a large drawing: zoom, find, the drawing's context menu, and the file given to
// the program at start-up.

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/ArgIntForm.h"
#include "app/DiagramPaintBox.h"
#include "app/FindBar.h"
#include "app/ScrollBox.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"
#include "views/QtText.h"

namespace palaver {

namespace {

// The zoom steps, in percent.
constexpr std::array<int, 15> ZoomSteps = {25,  33,  50,  67,  75,  90,  100, 110,
                                           125, 150, 175, 200, 250, 300, 400};

}  // namespace

// --- The commands and the context menu ----------------------------------------------------

void TArgIntForm::BuildDiagramCommands() {
  CopyDiagram1 = new QAction(QStringLiteral("&Copy diagram"), this);
  CopyDiagram1->setObjectName(QStringLiteral("CopyDiagram1"));
  CopyDiagram1->setShortcut(QKeySequence::Copy);
  // Ctrl+C copies the drawing while the drawing has the focus; elsewhere it copies as usual.
  CopyDiagram1->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  ScrollBox1->addAction(CopyDiagram1);

  DiagramPopupMenu = new QMenu(this);
  DiagramPopupMenu->setObjectName(QStringLiteral("DiagramPopupMenu"));
  DiagramPopupMenu->setFont(font());
  DiagramPopupMenu->addAction(CopyDiagram1);
  DiagramPopupMenu->addAction(Export1);
  DiagramPopupMenu->addAction(Print1);
  DiagramPopupMenu->addSeparator();
  DiagramPopupMenu->addAction(ZoomIn1);
  DiagramPopupMenu->addAction(ZoomOut1);
  DiagramPopupMenu->addAction(ZoomNormal1);
  DiagramPopupMenu->addSeparator();
  DiagramPopupMenu->addAction(Find1);

  DialArgsPaintBox->setFocusPolicy(Qt::StrongFocus);
  ScrollBox1->OnContextMenu = [this](QPoint Where) { return ShowDiagramPopupMenu(Where); };
  ScrollBox1->OnCtrlWheel = [this](int Steps, QPoint Where) {
    if (!DrawingVisible()) return false;
    Guarded([&] {
      LogUserAction(Steps > 0 ? "Zoom in (wheel)" : "Zoom out (wheel)");
      StepZoom(Steps, Where);
    });
    return true;
  };

  FindBar = new TFindBar(ScrollBox1);
  FindBar->OnTextChanged = [this] { Guarded([this] { RunFind(true); }); };
  FindBar->OnStep = [this](bool Next) { Guarded([this, Next] { StepFind(Next); }); };
  FindBar->OnClose = [this] { Guarded([this] { CloseFindBar(); }); };
}

bool TArgIntForm::DrawingVisible() const {
  const TViewButton Down = ViewButtonDown();
  return (Down == TViewButton::Arguments || Down == TViewButton::Statements) &&
         !DialArgsPaintBox->isHidden();
}

bool TArgIntForm::ShowDiagramPopupMenu(QPoint Where) {
  if (!DrawingVisible()) return false;
  Guarded([&] {
    LogUserAction("Diagram context menu");
    DiagramPopupMenu->exec(Where);
  });
  return true;
}

// --- Zoom -----------------------------------------------------------------------------------

int TArgIntForm::Zoom() const {
  return DialArgsPaintBox->ZoomPercent();
}

void TArgIntForm::SetZoom(int Percent, std::optional<QPoint> Anchor) {
  Percent = std::clamp(Percent, ZoomSteps.front(), ZoomSteps.back());
  if (Percent == Zoom()) return;
  // Without a drawing in sight the zoom waits for the next one.
  if (!DrawingVisible()) {
    DialArgsPaintBox->SetZoomPercent(Percent);
    return;
  }
  QScrollBar* Vertical = ScrollBox1->verticalScrollBar();
  QScrollBar* Horizontal = ScrollBox1->horizontalScrollBar();
  const QPoint At = Anchor.value_or(ScrollBox1->viewport()->rect().center());
  const bool AtTop = Vertical->value() == Vertical->minimum();
  // The point under the anchor, as a place in a box of the picture (or in the whole picture),
  // which the new layout keeps even where it wraps the text anew.
  const QPoint Before =
      DialArgsPaintBox->PicturePoint(At + QPoint(Horizontal->value(), Vertical->value()));
  const TDiagramPicture& Old = DialArgsPaintBox->Picture();
  const TDiagramBox* Box = Old.BoxAt(Before.x(), Before.y());
  const std::size_t BoxIndex =
      Box != nullptr ? static_cast<std::size_t>(Box - Old.Boxes.data()) : 0;
  const std::size_t BoxCount = Old.Boxes.size();
  double Fx = 0;
  double Fy = Old.Height > 0 ? static_cast<double>(Before.y()) / Old.Height : 0;
  if (Box != nullptr) {
    Fx = static_cast<double>(Before.x() - Box->Bounds.Left) / std::max(Box->Bounds.Width(), 1);
    Fy = static_cast<double>(Before.y() - Box->Bounds.Top) / std::max(Box->Bounds.Height(), 1);
  }

  DialArgsPaintBox->SetZoomPercent(Percent);
  // The drawing shown is laid out anew for the width the surface has at this zoom, as on a
  // fresh surface.
  DialArgsPaintBox->SetSurfaceHeight(0);
  ApplySurfaceWidthRule();
  switch (ViewButtonDown()) {
    case TViewButton::Arguments:
      ShowDiagram();
      break;
    case TViewButton::Statements:
      ShowStatementsDiagram();
      break;
    default:
      break;
  }

  const TDiagramPicture& New = DialArgsPaintBox->Picture();
  QPoint After;
  if (Box != nullptr && New.Boxes.size() == BoxCount && BoxIndex < BoxCount) {
    const TDiagramRect& B = New.Boxes[BoxIndex].Bounds;
    const QRect Shown = DialArgsPaintBox->ScreenRect(B);
    After = QPoint(Shown.left() + static_cast<int>(std::lround(Fx * Shown.width())),
                   Shown.top() + static_cast<int>(std::lround(Fy * Shown.height())));
  } else {
    After = QPoint(0, static_cast<int>(std::lround(Fy * DialArgsPaintBox->SurfaceHeight())));
  }
  // Zoomed from the keyboard at the top of the drawing, the view stays at its top.
  if (!Anchor && AtTop) After.setY(At.y());
  Vertical->setValue(std::clamp(After.y() - At.y(), Vertical->minimum(), Vertical->maximum()));
  Horizontal->setValue(
      std::clamp(After.x() - At.x(), Horizontal->minimum(), Horizontal->maximum()));
}

void TArgIntForm::StepZoom(int Steps, std::optional<QPoint> Anchor) {
  const int Now = Zoom();
  auto Next = std::find_if(ZoomSteps.begin(), ZoomSteps.end(), [Now](int S) { return S >= Now; });
  int Index = static_cast<int>(Next - ZoomSteps.begin());
  // A zoom between two steps goes to the nearer step in the direction asked.
  if (Next != ZoomSteps.end() && *Next != Now && Steps > 0) --Index;
  Index = std::clamp(Index + Steps, 0, static_cast<int>(ZoomSteps.size()) - 1);
  SetZoom(ZoomSteps[static_cast<std::size_t>(Index)], Anchor);
}

void TArgIntForm::ZoomIn1Click() {
  LogUserAction("Zoom in (menu)");
  StepZoom(1, std::nullopt);
}

void TArgIntForm::ZoomOut1Click() {
  LogUserAction("Zoom out (menu)");
  StepZoom(-1, std::nullopt);
}

void TArgIntForm::ZoomNormal1Click() {
  LogUserAction("Zoom normal size (menu)");
  SetZoom(100);
}

// --- Find -----------------------------------------------------------------------------------

void TArgIntForm::PlaceFindBar() {
  // Over the top right of the view, as wide as a sentence needs, never wider than the view.
  const QRect Area = ScrollBox1->viewport()->geometry();
  const int Width = std::min(Area.width(), std::max(FindBar->sizeHint().width(), 360));
  FindBar->setGeometry(Area.right() + 1 - Width, Area.top(), Width, FindBar->sizeHint().height());
  FindBar->raise();
}

void TArgIntForm::Find1Click() {
  LogUserAction("Find (menu)");
  // The find looks in the drawing: from the line of argumentation it goes to the diagram.
  if (!DrawingVisible()) ShowDiagram();
  PlaceFindBar();
  FindBar->show();
  FindBar->FindEdit->setFocus();
  FindBar->FindEdit->selectAll();
  RunFind(true);
}

void TArgIntForm::FindNext1Click() {
  LogUserAction("Find next (menu)");
  StepFind(true);
}

void TArgIntForm::FindPrevious1Click() {
  LogUserAction("Find previous (menu)");
  StepFind(false);
}

void TArgIntForm::StepFind(bool Next) {
  if (!FindBar->isVisible()) {
    Find1Click();
    return;
  }
  LogUserAction((Next ? "Find next: " : "Find previous: ") +
                FromQString(FindBar->FindEdit->text()));
  RunFind(false);
  const int Count = static_cast<int>(DialArgsPaintBox->MarkedBoxes().size());
  if (Count == 0) return;
  FindCurrent =
      ((FindCurrent < 0 ? (Next ? -1 : 0) : FindCurrent) + (Next ? 1 : -1) + Count) % Count;
  DialArgsPaintBox->SetCurrentMark(FindCurrent);
  FindBar->ShowResult(FindCurrent, Count, State().Language);
  RevealFoundBox();
}

void TArgIntForm::CloseFindBar() {
  LogUserAction("Close find");
  FindBar->hide();
  DialArgsPaintBox->SetMarks({}, -1);
  FindCurrent = -1;
  DialArgsPaintBox->setFocus();
}

void TArgIntForm::RunFind(bool Reveal) {
  if (!DrawingVisible()) return;
  if (!SearchIndexValid || SearchIndexed != DialArgsPaintBox->Generation()) {
    Search.Index(DialArgsPaintBox->Picture());
    SearchIndexed = DialArgsPaintBox->Generation();
    SearchIndexValid = true;
  }
  std::vector<std::size_t> Found = Search.Find(FindBar->FindEdit->text());
  const int Count = static_cast<int>(Found.size());
  if (Reveal || FindCurrent >= Count) FindCurrent = Count > 0 ? 0 : -1;
  DialArgsPaintBox->SetMarks(std::move(Found), FindCurrent);
  FindBar->ShowResult(FindCurrent, Count, State().Language);
  if (Reveal && FindCurrent >= 0) RevealFoundBox();
}

int TArgIntForm::FoundBox() const {
  const auto& Marked = DialArgsPaintBox->MarkedBoxes();
  const int Current = DialArgsPaintBox->CurrentMark();
  return Current >= 0 && Current < static_cast<int>(Marked.size())
             ? static_cast<int>(Marked[static_cast<std::size_t>(Current)])
             : -1;
}

void TArgIntForm::RevealFoundBox() {
  const int Index = FoundBox();
  const auto& Boxes = DialArgsPaintBox->Picture().Boxes;
  if (Index < 0 || Index >= static_cast<int>(Boxes.size())) return;
  const QRect Box = DialArgsPaintBox->ScreenRect(Boxes[static_cast<std::size_t>(Index)].Bounds);
  QScrollBar* Bar = ScrollBox1->verticalScrollBar();
  constexpr int Margin = 6;
  // What the bar leaves of the view.
  const int Covered = FindBar->isVisible() ? FindBar->height() : 0;
  const int Top = Bar->value() + Covered;
  const int Bottom = Bar->value() + ScrollBox1->viewport()->height();
  if (Box.top() - Margin < Top || Box.bottom() + Margin > Bottom)
    Bar->setValue(std::clamp(Box.top() - Covered - Margin, Bar->minimum(), Bar->maximum()));
  QScrollBar* Across = ScrollBox1->horizontalScrollBar();
  const int Width = ScrollBox1->viewport()->width();
  if (Box.left() < Across->value() || Box.left() > Across->value() + Width - Margin)
    Across->setValue(std::clamp(Box.left() - Margin, Across->minimum(), Across->maximum()));
}

// --- The file given at start-up -------------------------------------------------------------

void TArgIntForm::SetStartupFile(const std::string& Path) {
  StartupFile =
      Path.empty() ? std::string() : FromQString(QFileInfo(ToQString(Path)).absoluteFilePath());
}

void TArgIntForm::OpenStartupFile() {
  if (StartupFile.empty() || Terminating) return;
  const std::string Path = std::exchange(StartupFile, std::string());
  Core().OpenNamedFile(Path);
}

}  // namespace palaver
