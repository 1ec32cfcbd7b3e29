// Commands that change where the picture goes and how it is turned; the
// geometry itself is the view's.
#include <windows.h>

#include "app/main_form.h"

namespace tv {

void MainForm::SetShowPosition(const CommandRow&, int index) { view_.SetPositionMode(index); }

void MainForm::SelectRotation(const CommandRow&, int index) {
  if (!initialized_) return;
  CriticalSectionLock lock(pictureLock_);
  view_.SelectRotation(index);
}

// Turn Right is the group's first item, Turn Left its second.
void MainForm::TurnCommand(const CommandRow&, int index) { TurnBy(index == 0 ? 1 : -1); }

void MainForm::ToggleFixDiagonalLength(const CommandRow&, int) { view_.ToggleFixDiagonalLength(true); }

}  // namespace tv
