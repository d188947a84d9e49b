#pragma once
class QApplication;

namespace zorna::app {

// Creates the program's windows in their fixed order and runs the event loop.
int RunProgram(QApplication& app);

}  // namespace zorna::app
