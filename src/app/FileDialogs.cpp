#include "app/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "views/QtText.h"

namespace palaver {

namespace {

// QFileDialog takes the patterns of a filter from the last parenthesised part of its text. The
// description already ends in its patterns ("All files (*.*)"), so the patterns the dialog really
// uses are appended as a second part and hidden from view. "*.*" means every file, here also the
// ones without a dot in their name. Qt separates several patterns by blanks, not semicolons.
QString DialogFilter(const TFileFilter& Filter) {
  std::string Pattern = Filter.Pattern == "*.*" ? "*" : Filter.Pattern;
  std::replace(Pattern.begin(), Pattern.end(), ';', ' ');
  return ToQString(Filter.Description + " (" + Pattern + ")");
}

}  // namespace

void SetUpFileDialog(QFileDialog& Dialog, const TFileDialogRequest& Request,
                     const std::string& FallbackDirectory) {
  Dialog.setObjectName(ToQString(Request.Name));
  Dialog.setOption(QFileDialog::DontUseNativeDialog);
  Dialog.setOption(QFileDialog::HideNameFilterDetails);
  Dialog.setAcceptMode(Request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // The open dialogs take a name of a file that does not exist as well.
  Dialog.setFileMode(QFileDialog::AnyFile);
  Dialog.setOption(QFileDialog::DontConfirmOverwrite, !Request.Options.PromptOverwrite);
  Dialog.setDefaultSuffix(ToQString(Request.Options.DefaultExtension));

  QStringList Filters;
  for (const TFileFilter& Filter : Request.Options.Filters)
    Filters << DialogFilter(Filter);
  Dialog.setNameFilters(Filters);

  if (!Request.Options.Title.empty()) Dialog.setWindowTitle(ToQString(Request.Options.Title));
  const std::string& Directory =
      Request.InitialDirectory.empty() ? FallbackDirectory : Request.InitialDirectory;
  if (!Directory.empty()) Dialog.setDirectory(ToQString(Directory));
}

std::optional<std::string> TQtFileDialogs::Execute(const TFileDialogRequest& Request) {
  QFileDialog Dialog(Parent);
  SetUpFileDialog(Dialog, Request, LastDirectory);
  if (Dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList Chosen = Dialog.selectedFiles();
  if (Chosen.isEmpty()) return std::nullopt;
  LastDirectory = FromQString(QFileInfo(Chosen.front()).absolutePath());
  return FromQString(Chosen.front());
}

}  // namespace palaver
