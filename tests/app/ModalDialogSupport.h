#pragma once

#include "support/ModalDialogs.h"

namespace palaver::guitest {

using test::ClickCloseBox;
using test::WhenOpen;

// Clicks what a radio item or check box shows, its mark and caption, not the stretch after it.
inline void ClickItem(QWidget* Item) {
  test::Click(Item);
}

}  // namespace palaver::guitest
