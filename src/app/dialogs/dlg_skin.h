#pragma once
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <functional>

#include "app/platform/handler_guard.h"

namespace zorna::app {

// "Vzhľad": the list of skin folders; a click dresses the main window's container in the skin.
// Created last at start-up, it applies the stored skin.
class TDlgSkin : public QDialog, protected GuardedConnections {
  Q_OBJECT
  using GuardedConnections::connect;  // every handler it connects runs guarded
 public:
  // Dresses the window in the skin of a folder; a required picture that is missing or damaged
  // throws zorna::Error, what was not yet done keeping the previous look.
  using DressWindow = std::function<void(const std::filesystem::path& skin)>;

  TDlgSkin(QWidget* parent, DressWindow dress);

  // Fills the list, selects the stored skin and applies it.
  void FormCreate();
  void FormShow();
  // Applies the selected skin; a skin that fails is reported with the file's error.
  void ListBoxClick(QObject* sender);
  void BitBtn2Click(QObject* sender);

  // The folder of the skin selected in the list; empty when none is.
  std::filesystem::path SelectedSkinFolder() const;

  QListWidget* ListBox = nullptr;
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SelectRow(int row);

  DressWindow dress_;
};

}  // namespace zorna::app
