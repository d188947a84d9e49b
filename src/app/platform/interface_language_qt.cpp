#include "app/platform/interface_language_qt.h"

#include <QApplication>
#include <QDir>
#include <QTranslator>

#include "app/platform/slovak_desktop.h"

namespace zorna::app {

InterfaceLanguage WindowLanguage() {
  return InterfaceLanguageFromEnvironment();
}

bool SpeaksEnglish() {
  return WindowLanguage() == InterfaceLanguage::kEnglish;
}

std::vector<QTranslator*> InstallEnglishCatalogues(QCoreApplication& app) {
  std::vector<QTranslator*> installed;
  const QDir catalogues(":/translations");
  for (const QString& name : catalogues.entryList({"*_en.qm"}, QDir::Files, QDir::Name)) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(catalogues.filePath(name)) || !app.installTranslator(translator)) {
      delete translator;  // an empty catalogue: nothing in it is said in English yet
      continue;
    }
    installed.push_back(translator);
  }
  return installed;
}

void UseInterfaceLanguage(QApplication& app) {
  if (SpeaksEnglish()) {
    // Qt's own texts (the standard buttons, the file dialog) are English already.
    InstallEnglishCatalogues(app);
    UseProgramFont(app);
  } else {
    UseSlovakDesktop(app);
  }
}

}  // namespace zorna::app
