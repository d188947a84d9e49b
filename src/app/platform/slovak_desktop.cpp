#include "app/platform/slovak_desktop.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <map>
#include <string_view>

#include "text/dialog_wording.h"

namespace zorna::app {
namespace {

// Answers only for the standard buttons; everything else falls through to Qt's catalogue.
class SlovakButtonCaptions : public QTranslator {
 public:
  using QTranslator::QTranslator;
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (std::string_view(context) != "QPlatformTheme") return {};
    const auto found = Captions().find(source);
    return found == Captions().end() ? QString() : QString::fromUtf8(found->second);
  }

 private:
  static const std::map<std::string_view, std::string>& Captions() {
    static const std::map<std::string_view, std::string> captions = [] {
      auto ours = [](ModalResult result) {
        return ButtonCaption(result, "SKY").value_or(std::string());
      };
      return std::map<std::string_view, std::string>{
          {"OK", "OK"},
          {"Cancel", "Zrušiť"},
          {"&Yes", ours(ModalResult::kYes)},
          {"&No", ours(ModalResult::kNo)},
          {"Yes to &All", ours(ModalResult::kYesToAll)},
          {"N&o to All", ours(ModalResult::kNoToAll)},
          {"Abort", "Prerušiť"},
          {"Retry", "Znovu"},
          {"Ignore", "Ignorovať"},
          {"Save", "Uložiť"},
          {"Save All", "Uložiť všetko"},
          {"Open", "Otvoriť"},
          {"Close", "Zavrieť"},
          {"Apply", "Použiť"},
          {"Reset", "Obnoviť"},
          {"Help", "Pomocník"},
          {"Discard", "Zahodiť"},
          {"Don't Save", "Neuložiť"},
          {"Close without Saving", "Zavrieť bez uloženia"},
          {"Restore Defaults", "Obnoviť predvolené"},
      };
    }();
    return captions;
  }
};

}  // namespace

void InstallSlovakButtonCaptions(QCoreApplication& app) {
  static SlovakButtonCaptions* installed = nullptr;
  if (installed) return;
  installed = new SlovakButtonCaptions(&app);
  app.installTranslator(installed);  // consulted before the catalogues installed earlier
}

void UseSlovakDesktop(QApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Slovak, QLocale::Slovakia));
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(translator);
  }
  InstallSlovakButtonCaptions(app);
  UseProgramFont(app);
}

void UseProgramFont(QApplication& app) {
  // Arial's metrics; the desktop maps the name to a metric-compatible face such as Liberation
  // Sans.
  QFont font = app.font();
  font.setFamilies({"Arial", font.family()});
  font.setPointSize(8);
  app.setFont(font);
}

}  // namespace zorna::app
