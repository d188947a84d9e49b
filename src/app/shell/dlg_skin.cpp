#include "app/shell/dlg_skin.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "app/platform/program_folder.h"
#include "app/shell/main_zorna.h"
#include "app/shell/settings_access.h"
#include "shell/settings.h"
#include "support/files.h"

namespace zorna::app {

TDlgSkin::TDlgSkin(TMainZorna& main) : QDialog(&main), main_(main) {
  setObjectName("DlgSkin");
  setWindowTitle("Vzhľad");
  ListBox = new QListWidget(this);
  ListBox->setObjectName("ListBox");
  BitBtn1 = new QPushButton("Zavrieť", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn2 = new QPushButton("Pridať vzhľad", this);
  BitBtn2->setObjectName("BitBtn2");
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BitBtn2);
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListBox);
  layout->addLayout(buttons);
  resize(260, 300);
}

void TDlgSkin::FormShow() {
  namespace fs = std::filesystem;
  const int selected = ListBox->currentRow();
  ListBox->clear();
  const fs::path folder = FindPathIgnoringCase(fs::path(AdresarProgramu) / "Skin");
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!name.empty() && name.front() != '.' && it->is_directory(ec)) names.push_back(name);
  }
  // The folder's own order is arbitrary here; sorting keeps the stored index meaningful.
  std::sort(names.begin(), names.end());
  for (const auto& name : names) ListBox->addItem(QString::fromStdString(name));
  ListBox->setCurrentRow(selected >= 0 && selected < ListBox->count() ? selected : -1);
}

void TDlgSkin::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TDlgSkin::FormCreate() {
  using namespace settings;
  TMainZorna* main = &main_;
  IniFile ini = OpenSettings();
  FormShow();
  const int skin = ini.ReadInteger(kSkinCislo.section, kSkinCislo.key, kDefaultSkinCislo);
  ListBox->setCurrentRow(skin >= 0 && skin < ListBox->count() ? skin : -1);
  SetHeight(main->Panel("Vstup").panel,
            ini.ReadInteger(kOknoVstup.section, kOknoVstup.key, kDefaultPanelHeight));
  SetHeight(main->Panel("Lupa").panel, ini.ReadInteger(kOknoLupa.section, kOknoLupa.key,
                                                       main->Panel("Lupa").hlavicka->height()));
  SetHeight(main->Panel("Podklad").panel,
            ini.ReadInteger(kOknoPodklad.section, kOknoPodklad.key,
                            main->Panel("Podklad").hlavicka->height()));
  SetHeight(main->Panel("Vystup").panel,
            ini.ReadInteger(kOknoVystup.section, kOknoVystup.key, kDefaultPanelHeight));
  main->NastavVelkosti();
  main->ImageVstupMinClick(nullptr);
  if (ini.ReadBool(kPanelVPravo.section, kPanelVPravo.key, kDefaultPanelVPravo))
    main->BtnLeft->show();
}

}  // namespace zorna::app
