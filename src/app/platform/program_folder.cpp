#include "app/platform/program_folder.h"

#include <QCoreApplication>
#include <filesystem>

#include "support/files.h"

namespace zorna::app {

std::string AdresarProgramu;

void EnterProgramFolder() {
  namespace fs = std::filesystem;
  const QByteArray home = qgetenv("ZORNA_HOME");
  fs::path folder = home.isEmpty() ? fs::path(QCoreApplication::applicationDirPath().toStdString())
                                   : fs::path(home.constData());
  std::error_code ec;
  folder = fs::absolute(folder, ec);
  if (fs::is_directory(folder, ec)) fs::current_path(folder, ec);
  AdresarProgramu = PridajLomitko(folder.lexically_normal().string());
}

}  // namespace zorna::app
