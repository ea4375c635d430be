#pragma once

#include <span>

#include "session/Language.h"

class QWidget;

namespace palaver {

// One row of a dialog's caption table: the control, by its object name (empty for the
// window's title), and its caption in each language. Captions keep their accelerator
// ampersands.
struct TCaptionRow {
  const char* Control;
  const char* English;
  const char* Dutch;
};

// Applies the rows in table order. A radio group gets its caption and right after it its items
// replaced by the type items of the language ("Issue", "Assumption" or "Kwestie", "Aanname"),
// which leaves it without a selection until the dialog next opens.
void ApplyCaptionTable(QWidget& Form, std::span<const TCaptionRow> Rows, TLanguage Language);

}  // namespace palaver
