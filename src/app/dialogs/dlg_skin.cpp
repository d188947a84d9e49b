#include "app/dialogs/dlg_skin.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

#include "app/build_settings.h"
#include "app/main_window/settings_access.h"
#include "app/platform/handler_guard.h"
#include "app/platform/links.h"
#include "app/platform/program_folder.h"
#include "app/widgets/screen_centre.h"
#include "settings/settings.h"
#include "settings/skin_folders.h"
#include "support/error.h"

namespace zorna::app {

TDlgSkin::TDlgSkin(QWidget* parent, DressWindow dress) : QDialog(parent), dress_(std::move(dress)) {
  setObjectName("DlgSkin");
  setWindowTitle(tr("Vzhľad"));
  ListBox = new QListWidget(this);
  ListBox->setObjectName("ListBox");
  BitBtn1 = new QPushButton(tr("Zavrieť"), this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setDefault(true);  // Enter closes the dialog from the list too
  BitBtn2 = new QPushButton(tr("Pridať vzhľad"), this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setEnabled(*build_settings::kSkinsPage != '\0');
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(BitBtn2); });
  // A click or the arrow keys: the selection changes and the skin follows at once.
  connect(ListBox, &QListWidget::currentRowChanged, this, [this] { ListBoxClick(ListBox); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BitBtn2);
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListBox);
  layout->addLayout(buttons);
  setFixedSize(260, 300);
}

void TDlgSkin::SelectRow(int row) {
  const QSignalBlocker quiet(ListBox);
  ListBox->setCurrentRow(row >= 0 && row < ListBox->count() ? row : -1);
}

void TDlgSkin::FormShow() {
  const int selected = ListBox->currentRow();
  {
    const QSignalBlocker quiet(ListBox);
    ListBox->clear();
    for (const std::string& name : ListSkinFolders(AdresarProgramu)) {
      // The name as on disk, also when it is not valid UTF-8; the list shows what it can.
      auto* item = new QListWidgetItem(QString::fromUtf8(name.data(), qsizetype(name.size())));
      item->setData(Qt::UserRole, QByteArray::fromStdString(name));
      ListBox->addItem(item);
    }
  }
  SelectRow(selected);
}

std::filesystem::path TDlgSkin::SelectedSkinFolder() const {
  const QListWidgetItem* item = ListBox->currentItem();
  if (!item) return {};
  return SkinsFolder(AdresarProgramu) / item->data(Qt::UserRole).toByteArray().toStdString();
}

// The dialog stands in the middle of the screen.
void TDlgSkin::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
  MoveToScreenCentre(this);
}

void TDlgSkin::BitBtn2Click(QObject*) {
  OpenLink(QString::fromUtf8(build_settings::kSkinsPage));
}

void TDlgSkin::ListBoxClick(QObject*) {
  if (ListBox->currentRow() < 0) return;
  try {
    dress_(SelectedSkinFolder());
  } catch (const Error& e) {
    ShowErrorOf(e);
  }
}

void TDlgSkin::FormCreate() {
  using namespace settings;
  const IniFile ini = OpenSettings();
  FormShow();
  SelectRow(ini.ReadInteger(kSkinCislo.section, kSkinCislo.key, kDefaultSkinCislo));
  ListBoxClick(nullptr);
}

}  // namespace zorna::app
