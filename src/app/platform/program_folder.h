#pragma once
#include <string>

namespace zorna::app {

// The program folder (Skin/, Data/, strom.trv, pomoc/), ending in "/": $ZORNA_HOME when set,
// else the executable's folder. Set once at start, when it also becomes the current directory
// so that the program's relative names resolve there.
extern std::string AdresarProgramu;

// Resolves the folder, makes it current and stores it in AdresarProgramu. A missing folder
// leaves the current directory as it is.
void EnterProgramFolder();

}  // namespace zorna::app
