#pragma once

#include <optional>
#include <string>

#include "controller/MainWindowPlatform.h"

class QFileDialog;
class QWidget;

namespace palaver {

// One showing of a file dialog of the main window.
struct TFileDialogRequest {
  // OpenDialog1, SaveDialog1, OpenDialogWithDutchFilters or SaveDialogWithDutchFilters.
  std::string Name;
  bool Save = false;
  TFileDialogOptions Options;
  // From the settings file; empty leaves the starting directory to the dialog.
  std::string InitialDirectory;
  // The name the dialog proposes; empty for none.
  std::string SuggestedName = {};
  // The default extension follows the filter chosen: that filter's first pattern's extension.
  bool SuffixFollowsFilter = false;
};

// What a dialog that offers several formats returns: the path, and which of the request's
// filters was chosen (-1 when the dialog cannot tell).
struct TChosenFile {
  std::string Path;
  int Filter = -1;
};

// The main window's file dialogs; tests put scripted ones in their place.
class TFileDialogs {
 public:
  virtual ~TFileDialogs() = default;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> Execute(const TFileDialogRequest& Request) = 0;
  // The same, telling the filter chosen as well.
  virtual std::optional<TChosenFile> ExecuteWithFilter(const TFileDialogRequest& Request) {
    std::optional<std::string> Path = Execute(Request);
    if (!Path) return std::nullopt;
    return TChosenFile{std::move(*Path), -1};
  }
};

// The real dialogs: a modal QFileDialog (Qt's own, the same on every platform) per request.
class TQtFileDialogs final : public TFileDialogs {
 public:
  explicit TQtFileDialogs(QWidget* Parent) : Parent(Parent) {}

  std::optional<std::string> Execute(const TFileDialogRequest& Request) override;
  std::optional<TChosenFile> ExecuteWithFilter(const TFileDialogRequest& Request) override;

 private:
  QWidget* Parent;
  // Without an initial directory from the settings, a dialog starts where the last one ended.
  std::string LastDirectory;
};

// Sets up a QFileDialog as the request asks: the filters showing exactly their descriptions,
// the default suffix, the overwrite prompt, the title and the starting directory. Exposed so that
// a test can look at a dialog without showing it.
void SetUpFileDialog(QFileDialog& Dialog, const TFileDialogRequest& Request,
                     const std::string& FallbackDirectory = {});

}  // namespace palaver
