#pragma once
#include <vector>

#include "text/interface_language.h"

class QApplication;
class QCoreApplication;
class QTranslator;

namespace zorna::app {

// Whether the window speaks English (the desktop's language asks for it) rather than Slovak,
// read from the environment each time it is asked.
bool SpeaksEnglish();
// The same as the core's texts take it.
InterfaceLanguage WindowLanguage();

// Installs a translator for each of the program's English catalogues into `app`, which owns them;
// returns them in the order installed.
std::vector<QTranslator*> InstallEnglishCatalogues(QCoreApplication& app);

// Sets the application up in the language the window speaks: the English catalogues, or the
// Slovak desktop (Qt's Slovak catalogue and button captions); the program's font either way.
void UseInterfaceLanguage(QApplication& app);

}  // namespace zorna::app
