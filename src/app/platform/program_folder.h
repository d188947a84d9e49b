#pragma once
#include <QString>
#include <string>

namespace zorna::app {

// The program folder (Skin/, Data/, strom.trv, pomoc/), ending in "/": $ZORNA_HOME when set,
// else the executable's folder when it holds the program's data (the program runs from where
// it was built), else, for an installed program, the user's own folder ($XDG_DATA_HOME/zorna),
// made at the first start from the installed data beside the executable (../share/zorna).
// Set once at start, when it also becomes the current directory so that the program's
// relative names resolve there.
extern std::string AdresarProgramu;

// Resolves the folder, makes it current and stores it in AdresarProgramu. A missing folder
// leaves the current directory as it is. When the user's folder cannot be made, the program
// folder is the installed one, read-only, and the text returned tells the user so (otherwise
// it is empty).
QString EnterProgramFolder();

}  // namespace zorna::app
