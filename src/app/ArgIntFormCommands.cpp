// The commands of the main window's buttons and menu items. Each handler writes its log text
// first; the ones the core knows are forwarded to it.

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "app/ArgIntForm.h"
#include "app/DiagramPaintBox.h"
#include "line/LineOfArgumentation.h"
#include "session/ProgramState.h"
#include "session/UserActionLog.h"

namespace palaver {

void TArgIntForm::Connect(QAbstractButton* Button, void (TArgIntForm::*Handler)()) {
  connect(Button, &QAbstractButton::clicked, this,
          [this, Handler] { Guarded([this, Handler] { (this->*Handler)(); }); });
}

void TArgIntForm::Connect(QAction* Item, void (TArgIntForm::*Handler)()) {
  connect(Item, &QAction::triggered, this,
          [this, Handler] { Guarded([this, Handler] { (this->*Handler)(); }); });
}

void TArgIntForm::ConnectHandlers() {
  Connect(StatementButton, &TArgIntForm::StatementButtonClick);
  Connect(Statement1, &TArgIntForm::Statement1Click);
  Connect(ReasonConclusionButton, &TArgIntForm::ReasonConclusionButtonClick);
  Connect(ReasonConclusion1, &TArgIntForm::ReasonConclusion1Click);
  Connect(ExceptionButton, &TArgIntForm::ExceptionButtonClick);
  Connect(Exception1, &TArgIntForm::Exception1Click);
  Connect(New1, &TArgIntForm::New1Click);
  Connect(Open1, &TArgIntForm::Open1Click);
  Connect(Append1, &TArgIntForm::Append1Click);
  Connect(Save1, &TArgIntForm::Save1Click);
  Connect(SaveAs1, &TArgIntForm::SaveAs1Click);
  Connect(Exit1, &TArgIntForm::Exit1Click);
  Connect(ViewLineOfArgumentationSpeedButton,
          &TArgIntForm::ViewLineOfArgumentationSpeedButtonClick);
  Connect(Lineofargumentation1, &TArgIntForm::Lineofargumentation1Click);
  Connect(ViewStatements2SpeedButton, &TArgIntForm::ViewStatements2SpeedButtonClick);
  Connect(Statements1, &TArgIntForm::Statements1Click);
  Connect(ViewDialArgsSpeedButton, &TArgIntForm::ViewDialArgsSpeedButtonClick);
  Connect(Arguments1, &TArgIntForm::Arguments1Click);
  Connect(ShowStructureOnly, &TArgIntForm::ShowStructureOnlyClick);
  Connect(SwitchLanguageMenuItem, &TArgIntForm::SwitchLanguageMenuItemClick);
  Connect(Legend1, &TArgIntForm::Legend1Click);
  Connect(About1, &TArgIntForm::About1Click);
  Connect(Options1, &TArgIntForm::Options1Click);
  Connect(Reasons1, &TArgIntForm::Reasons1Click);
  Connect(BackButton, &TArgIntForm::BackButtonClick);
  Connect(Back2, &TArgIntForm::Back2Click);
  Connect(ForwardButton, &TArgIntForm::ForwardButtonClick);
  Connect(Forward2, &TArgIntForm::Forward2Click);
  Connect(ViewStatementsSpeedButton, &TArgIntForm::ViewStatementsSpeedButtonClick);
  Connect(ViewReasonsSpeedButton, &TArgIntForm::ViewReasonsSpeedButtonClick);
  Connect(ViewArgumentsSpeedButton, &TArgIntForm::ViewArgumentsSpeedButtonClick);
  Connect(ViewStepsSpeedButton, &TArgIntForm::ViewStepsSpeedButtonClick);
  Connect(ViewUndercuttersSpeedButton, &TArgIntForm::ViewUndercuttersSpeedButtonClick);
  Connect(Button1, &TArgIntForm::Button1Click);
  Connect(Button2, &TArgIntForm::Button2Click);
  Connect(ProsConsButton, &TArgIntForm::ProsConsButtonClick);
  Connect(ProsCons1, &TArgIntForm::ProsConsButtonClick);
  Connect(Export1, &TArgIntForm::Export1Click);
  Connect(Print1, &TArgIntForm::Print1Click);
  Connect(PrintPreview1, &TArgIntForm::PrintPreview1Click);
  Connect(CopyDiagram1, &TArgIntForm::CopyDiagram1Click);
  Connect(ZoomIn1, &TArgIntForm::ZoomIn1Click);
  Connect(ZoomOut1, &TArgIntForm::ZoomOut1Click);
  Connect(ZoomNormal1, &TArgIntForm::ZoomNormal1Click);
  Connect(Find1, &TArgIntForm::Find1Click);
  Connect(FindNext1, &TArgIntForm::FindNext1Click);
  Connect(FindPrevious1, &TArgIntForm::FindPrevious1Click);
  // PrintSetup1, Contents1, Back1 and Forward1 have no handler.
}

// --- Moves ---------------------------------------------------------------------------------
// A line always has a file name ("New.lin" when it was never saved); without one there is no
// line to make a move on.

namespace {

bool LineHasFileName() {
  const auto& Line = State().LineOfArgumentation;
  return Line && !Line->FileName.empty();
}

}  // namespace

void TArgIntForm::StatementButtonClick() {
  LogUserAction("Statement (button)");
  if (LineHasFileName()) ShowStatementForm();
}

void TArgIntForm::Statement1Click() {
  LogUserAction("Statement (menu)");
  if (LineHasFileName()) ShowStatementForm();
}

void TArgIntForm::ReasonConclusionButtonClick() {
  LogUserAction("Reason/conclusion (button)");
  if (LineHasFileName()) ShowReasonConclusionForm();
}

void TArgIntForm::ReasonConclusion1Click() {
  LogUserAction("Reason/conclusion (menu)");
  if (LineHasFileName()) ShowReasonConclusionForm();
}

void TArgIntForm::ExceptionButtonClick() {
  LogUserAction("Exception (button)");
  if (LineHasFileName()) ShowExceptionForm();
}

void TArgIntForm::Exception1Click() {
  LogUserAction("Exception (menu)");
  if (LineHasFileName()) ShowExceptionForm();
}

// --- File menu -----------------------------------------------------------------------------

void TArgIntForm::New1Click() {
  Core().New1Click();
}

void TArgIntForm::Open1Click() {
  Core().Open1Click();
}

void TArgIntForm::Append1Click() {
  Core().Append1Click();
}

void TArgIntForm::Save1Click() {
  Core().Save1Click();
}

void TArgIntForm::SaveAs1Click() {
  Core().SaveAs1Click();
}

void TArgIntForm::Exit1Click() {
  Core().Exit1Click();
}

// --- Views ---------------------------------------------------------------------------------

void TArgIntForm::ViewLineOfArgumentationSpeedButtonClick() {
  Core().ViewLineOfArgumentationSpeedButtonClick();
}

void TArgIntForm::Lineofargumentation1Click() {
  Core().Lineofargumentation1Click();
}

void TArgIntForm::ViewStatements2SpeedButtonClick() {
  Core().ViewStatements2SpeedButtonClick();
}

void TArgIntForm::Statements1Click() {
  Core().Statements1Click();
}

void TArgIntForm::ViewDialArgsSpeedButtonClick() {
  Core().ViewDialArgsSpeedButtonClick();
}

void TArgIntForm::Arguments1Click() {
  Core().Arguments1Click();
}

void TArgIntForm::ShowStructureOnlyClick() {
  // Qt has already moved the check mark; the command moves it itself, after logging.
  ShowStructureOnly->setChecked(!ShowStructureOnly->isChecked());
  Core().ShowStructureOnlyClick();
}

void TArgIntForm::Reasons1Click() {
  ShowReasonsList();
}

void TArgIntForm::ViewStatementsSpeedButtonClick() {
  ShowStatementsList();
}

void TArgIntForm::ViewReasonsSpeedButtonClick() {
  ShowReasonsList();
}

void TArgIntForm::ViewArgumentsSpeedButtonClick() {
  ShowArgumentsTree();
}

void TArgIntForm::ViewStepsSpeedButtonClick() {
  // The surface alone, empty: the drawing it held belongs to the visible button's view, which
  // the next refresh draws again.
  DialArgsPaintBox->ClearPicture();
  HiddenViewButtons.SetDown(ViewStepsSpeedButton);
  ShowOnlyView(DialArgsPaintBox);
}

void TArgIntForm::ViewUndercuttersSpeedButtonClick() {}

// --- Options and Help ----------------------------------------------------------------------

void TArgIntForm::SwitchLanguageMenuItemClick() {
  LogUserAction("Switch language (menu)");
  if (State().Language == TLanguage::English)
    SwitchToDutch();
  else
    SwitchToEnglish();
}

void TArgIntForm::About1Click() {
  LogUserAction("Help about (menu)");
  ShowAboutForm();
}

void TArgIntForm::Options1Click() {
  ShowOptionsForm();
}

// --- Back and Forward ----------------------------------------------------------------------

void TArgIntForm::BackButtonClick() {
  Core().BackButtonClick();
}

void TArgIntForm::Back2Click() {
  Core().Back2Click();
}

void TArgIntForm::ForwardButtonClick() {
  Core().ForwardButtonClick();
}

void TArgIntForm::Forward2Click() {
  Core().Forward2Click();
}

// --- Hidden test buttons -------------------------------------------------------------------

void TArgIntForm::Button1Click() {
  // Each click leaves one more label on the panel, for the rest of the run.
  // The label lies below the panel's boxes, as a plain label of the panel always has: it covers
  // part of the "Line of arg." box and must not take that box's clicks.
  auto* Label = new QLabel(QStringLiteral("Kwaak"), ButtonPanel);
  Label->setGeometry(75, 250, 200, 200);
  Label->lower();
  Label->show();
}

void TArgIntForm::Button2Click() {
  if (State().LineOfArgumentation && State().LineOfArgumentation->CurrentStage)
    State().LineOfArgumentation->CurrentStage->ComputeStatuses();
  ShowArgumentsTree();
}

void TArgIntForm::ProsConsButtonClick() {}

}  // namespace palaver
