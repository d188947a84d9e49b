#pragma once

class QWidget;

namespace zorna::app {

// Puts a window in the middle of the primary screen, as the dialogs that stand centred on the
// desktop are shown.
void MoveToScreenCentre(QWidget* window);

}  // namespace zorna::app
