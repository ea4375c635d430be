// The caption tables: the main window in English or Dutch.

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

#include "app/ArgIntForm.h"
#include "app/FindBar.h"
#include "app/LegendForm.h"
#include "session/ProgramState.h"

namespace palaver {

namespace {

constexpr const char* NewLineTitleEnglish = "Palaver - New line of argumentation";
constexpr const char* NewLineTitleDutch = "Palaver - Nieuw betoog";

void SetCaption(QObject* Control, const QString& Caption) {
  if (auto* Box = qobject_cast<QGroupBox*>(Control))
    Box->setTitle(Caption);
  else if (auto* Button = qobject_cast<QAbstractButton*>(Control))
    Button->setText(Caption);
  else if (auto* Menu = qobject_cast<QMenu*>(Control))
    Menu->setTitle(Caption);
  else if (auto* Item = qobject_cast<QAction*>(Control))
    Item->setText(Caption);
}

}  // namespace

std::vector<TArgIntForm::TCaption> TArgIntForm::MainWindowCaptions() const {
  return {
      {ArgueGroupBox, "Argue", "Redeneer"},
      {StatementButton, "Statement", "Bewering"},
      {ReasonConclusionButton, "Reason/conclusion", "Reden/conclusie"},
      {ExceptionButton, "Exception", "Uitzondering"},
      {ViewGroupBox, "View", "Beeld"},
      {ViewLineOfArgumentationSpeedButton, "L&ine of arg.", "Betoo&g"},
      {ViewStatements2SpeedButton, "&Statements", "Be&weringen"},
      {ViewDialArgsSpeedButton, "&Arguments", "Re&deneringen"},
      {LineOfArgGroupBox, "Line of arg.", "Betoog"},
      {BackButton, "&Back", "&Vorige"},
      {ForwardButton, "For&ward", "Vo&lgende"},
      {File1, "&File", "&Bestand"},
      {New1, "&New", "&Nieuw"},
      {Open1, "&Open...", "&Openen..."},
      {Append1, "&Append...", "&Voeg toe..."},
      {Save1, "&Save", "O&pslaan"},
      {SaveAs1, "Save &As...", "Ops&laan als..."},
      {Export1, "&Export diagram...", "Diagram &exporteren..."},
      {Print1, "&Print...", "Af&drukken..."},
      {PrintPreview1, "Print pre&view...", "Afdrukvoo&rbeeld..."},
      {Exit1, "E&xit", "&Afsluiten"},
      {Move1, "A&rgue", "&Redeneer"},
      {Statement1, "&Statement", "&Bewering"},
      {ReasonConclusion1, "&Reason/conclusion", "&Reden/conclusie"},
      {Exception1, "&Exception", "&Uitzondering"},
      {View1, "&View", "B&eeld"},
      {Lineofargumentation1, "&Line of argumentation", "&Betoog"},
      {Statements1, "&Statements", "Be&weringen"},
      {Arguments1, "&Arguments", "Re&deneringen"},
      {ZoomIn1, "Zoom &in", "&Inzoomen"},
      {ZoomOut1, "Zoom o&ut", "&Uitzoomen"},
      {ZoomNormal1, "Normal si&ze", "&Normale grootte"},
      {Find1, "&Find...", "&Zoeken..."},
      {FindNext1, "Find &next", "Vol&gende zoeken"},
      {FindPrevious1, "Find pre&vious", "V&orige zoeken"},
      {CopyDiagram1, "&Copy diagram", "Diagram &kopi\u00EBren"},
      {Lineofarg1, "&Line of arg.", "Be&toog"},
      {Back2, "&Back", "&Vorige"},
      {Forward2, "&Forward", "V&olgende"},
      {Options, "&Options", "&Opties"},
      {ShowStructureOnly, "&Show structure only", "Toon alleen &structuur"},
      {SwitchLanguageMenuItem, "Switch &language (to Dutch)", "Wissel &taal (naar Engels)"},
      {Help1, "&Help", "&Help"},
      {Legend1, "&Legend...", "&Legenda..."},
      {About1, "&About...", "In&fo..."},
  };
}

void TArgIntForm::ApplyCaptions(TLanguage Language) {
  const bool Dutch = Language == TLanguage::Dutch;
  QtTranslation.Apply(Language);
  for (const TCaption& Row : MainWindowCaptions())
    SetCaption(Row.Control, QString::fromUtf8(Dutch ? Row.Dutch : Row.English));

  // The title follows the language only while it names no file.
  if (Title() == (Dutch ? NewLineTitleEnglish : NewLineTitleDutch))
    SetTitle(Dutch ? NewLineTitleDutch : NewLineTitleEnglish);

  ApplyDialogCaptions(Language);
  if (LegendForm != nullptr) LegendForm->ApplyLanguage(Language);
  FindBar->ApplyLanguage(Language);
  State().Language = Language;
}

void TArgIntForm::SwitchToEnglish() {
  ApplyCaptions(TLanguage::English);
}

void TArgIntForm::SwitchToDutch() {
  ApplyCaptions(TLanguage::Dutch);
}

}  // namespace palaver
