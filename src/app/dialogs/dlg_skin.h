#pragma once
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "app/platform/handler_guard.h"
#include "picture/bitmap.h"
#include "settings/skin_layout.h"

namespace zorna::app {

class TMainZorna;

// "Vzhľad": the list of skin folders; a click dresses the main window's container in the skin.
// Created last at start-up, it applies the stored skin and restores the panel heights and the
// container's side.
class TDlgSkin : public QDialog, protected GuardedConnections {
  Q_OBJECT
  using GuardedConnections::connect;  // every handler it connects runs guarded
 public:
  // The dialog dresses the main window and restores its panels.
  explicit TDlgSkin(TMainZorna& main);

  void FormCreate();
  void FormShow();
  // Applies the selected skin. A required picture that is missing or damaged stops it there with
  // the file's error; what was not yet done keeps the previous look.
  void ListBoxClick(QObject* sender);
  void BitBtn2Click(QObject* sender);
  // Dress one tool panel ("Vstup", ...) or one button ("Save" for BtnSave, ...) in the skin
  // being applied.
  void NastavPanelSkinu(const QString& x);
  void NastavTlacidloSkinu(const QString& b);

  // The folder of the skin selected in the list; empty when none is.
  std::filesystem::path SelectedSkinFolder() const;

  QListWidget* ListBox = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ApplySelectedSkin();
  Bitmap LoadSkinPicture(const std::string& relative) const;
  void SelectRow(int row);

  TMainZorna& main_;
  std::filesystem::path skin_;  // the skin being applied
  SkinLayout layout_;
};

}  // namespace zorna::app
