#include "app/platform/program_folder.h"

#include <QCoreApplication>
#include <filesystem>

#include "app/build_settings.h"
#include "app/platform/interface_language_qt.h"
#include "settings/user_data_folder.h"
#include "support/files.h"

namespace zorna::app {

std::string AdresarProgramu;

namespace {

namespace fs = std::filesystem;

fs::path ChooseProgramFolder(QString& problem) {
  const QByteArray home = qgetenv("ZORNA_HOME");
  if (!home.isEmpty()) return fs::path(home.constData());
  const fs::path executable_folder = QCoreApplication::applicationDirPath().toStdString();
  if (HoldsProgramData(executable_folder)) return executable_folder;
  const fs::path installed =
      (executable_folder / build_settings::kInstalledDataFromExecutable).lexically_normal();
  const fs::path user =
      UserDataFolder(qgetenv("XDG_DATA_HOME").constData(), qgetenv("HOME").constData());
  if (!HoldsProgramData(installed)) return HoldsProgramData(user) ? user : executable_folder;
  const SeedResult seeded = user.empty() ? SeedResult{SeedResult::Outcome::kFailed, {}}
                                         : SeedUserDataFolder(installed, user);
  if (seeded.outcome != SeedResult::Outcome::kFailed) return user;
  problem = QString::fromStdString(ReadOnlyStartMessage(user, seeded.error, WindowLanguage()));
  return installed;
}

}  // namespace

QString EnterProgramFolder() {
  QString problem;
  fs::path folder = ChooseProgramFolder(problem);
  std::error_code ec;
  folder = fs::absolute(folder, ec);
  if (fs::is_directory(folder, ec)) fs::current_path(folder, ec);
  AdresarProgramu = PridajLomitko(folder.lexically_normal().string());
  return problem;
}

}  // namespace zorna::app
