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

  if (Request.SuffixFollowsFilter) {
    const auto Follow = [&Dialog, Patterns = Request.Options.Filters](const QString& Filter) {
      const qsizetype Index = Dialog.nameFilters().indexOf(Filter);
      if (Index < 0 || Index >= static_cast<qsizetype>(Patterns.size())) return;
      const std::string& Pattern = Patterns[static_cast<std::size_t>(Index)].Pattern;
      const std::size_t Dot = Pattern.find('.');
      const std::size_t End = Pattern.find(';');
      if (Dot != std::string::npos)
        Dialog.setDefaultSuffix(
            ToQString(Pattern.substr(Dot + 1, End == std::string::npos ? End : End - Dot - 1)));
    };
    QObject::connect(&Dialog, &QFileDialog::filterSelected, &Dialog, Follow);
  }
  if (!Request.Options.Title.empty()) Dialog.setWindowTitle(ToQString(Request.Options.Title));
  const std::string& Directory =
      Request.InitialDirectory.empty() ? FallbackDirectory : Request.InitialDirectory;
  if (!Directory.empty()) Dialog.setDirectory(ToQString(Directory));
  if (!Request.SuggestedName.empty()) Dialog.selectFile(ToQString(Request.SuggestedName));
}

std::optional<std::string> TQtFileDialogs::Execute(const TFileDialogRequest& Request) {
  std::optional<TChosenFile> Chosen = ExecuteWithFilter(Request);
  if (!Chosen) return std::nullopt;
  return std::move(Chosen->Path);
}

std::optional<TChosenFile> TQtFileDialogs::ExecuteWithFilter(const TFileDialogRequest& Request) {
  QFileDialog Dialog(Parent);
  SetUpFileDialog(Dialog, Request, LastDirectory);
  if (Dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList Chosen = Dialog.selectedFiles();
  if (Chosen.isEmpty()) return std::nullopt;
  LastDirectory = FromQString(QFileInfo(Chosen.front()).absolutePath());
  return TChosenFile{FromQString(Chosen.front()),
                     static_cast<int>(Dialog.nameFilters().indexOf(Dialog.selectedNameFilter()))};
}

}  // namespace palaver
