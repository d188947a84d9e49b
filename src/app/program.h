#pragma once
#include "app/dialogs/dialogs.h"

class QApplication;

namespace zorna::app {

class TMainZorna;

// The program's windows: the main window, made first, and its dialogs, which it gets handed.
struct Forms {
  TMainZorna* MainZorna = nullptr;
  Dialogs dialogs;
};

// Creates the start-up windows in order into `forms`, which must outlive them (their creation
// handlers run as they are created). False when the screen could not be copied: the user has
// been told, nothing was written, and the program must end (DestroyForms).
bool CreateForms(Forms& forms);
// Destroys them in reverse order and empties `forms`.
void DestroyForms(Forms& forms);

// Creates the program's windows in their fixed order and runs the event loop.
int RunProgram(QApplication& app);

}  // namespace zorna::app
