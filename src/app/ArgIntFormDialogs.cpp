// The main window's dialogs and how the window's commands show them.

#include <QDialog>

#include "app/ArgIntForm.h"
#include "dialogs/AboutForm.h"
#include "dialogs/ExceptionForm.h"
#include "dialogs/OptionsForm.h"
#include "dialogs/ReasonConclusionForm.h"
#include "dialogs/StatementForm.h"

namespace palaver {

void TArgIntForm::CreateDialogs() {
  // The order in which the program has always created them. The dialogs are windows of their
  // own, not children of this one: the window keeps them and destroys them before its core.
  StatementForm = std::make_unique<TStatementForm>(Core());
  ExceptionForm = std::make_unique<TExceptionForm>(Core());
  ReasonConclusionForm = std::make_unique<TReasonConclusionForm>(Core());
  AboutForm = std::make_unique<TAboutForm>();
  OptionsForm = std::make_unique<TOptionsForm>();
  // OK in the Options dialog runs inside the dialog's event loop: a failure there must not
  // leave it.
  OptionsForm->ShowArgumentsTree = [this] { Guarded([this] { ShowArgumentsTree(); }); };
}

void TArgIntForm::ExecuteModalDialog(QDialog& Dialog) {
  Dialog.exec();
  // A view is always redrawn once a dialog has closed. The window's activation does that where
  // the window system hands the activation back to this window, which not every platform does
  // (the offscreen one does not); redrawing here as well costs a second drawing of the same
  // view at most.
  FormActivate();
}

void TArgIntForm::ShowStatementForm() {
  ExecuteModalDialog(*StatementForm);
}

void TArgIntForm::ShowReasonConclusionForm() {
  ExecuteModalDialog(*ReasonConclusionForm);
}

void TArgIntForm::ShowExceptionForm() {
  ExecuteModalDialog(*ExceptionForm);
}

void TArgIntForm::ShowAboutForm() {
  ExecuteModalDialog(*AboutForm);
}

void TArgIntForm::ShowOptionsForm() {
  ExecuteModalDialog(*OptionsForm);
}

void TArgIntForm::ApplyDialogCaptions(TLanguage Language) {
  // Null only while the window is still being built.
  if (StatementForm) StatementForm->ApplyCaptions(Language);
  if (ReasonConclusionForm) ReasonConclusionForm->ApplyCaptions(Language);
  if (ExceptionForm) ExceptionForm->ApplyCaptions(Language);
}

}  // namespace palaver
