#pragma once
#include <vector>

class QApplication;
class QCoreApplication;
class QTranslator;

namespace zorna::app {

// Whether the window speaks English (the desktop's language asks for it) rather than Slovak,
// read from the environment each time it is asked.
bool SpeaksEnglish();

// Installs a translator for each of the program's English catalogues into `app`, which owns them;
// returns them in the order installed.
std::vector<QTranslator*> InstallEnglishCatalogues(QCoreApplication& app);

// Sets the application up in the language the window speaks: the English catalogues, or the
// Slovak desktop (Qt's Slovak catalogue and button captions); the program's font either way.
void UseInterfaceLanguage(QApplication& app);

}  // namespace zorna::app
