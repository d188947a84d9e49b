#pragma once
#include <gtest/gtest.h>

#include <QDialog>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <string>

#include "app/main_window/main_zorna.h"
#include "app/program.h"
#include "artwork/skin_art.h"
#include "settings/ini_file.h"

namespace zorna::app::testing {

// Runs the program's windows against a scratch program folder, settings folder and screen
// picture; message boxes are recorded and modal dialogs answered by `answer`.
class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates the windows as the program does at start-up.
  void Start();
  // Closes the main window (the settings are written) and destroys every window.
  void Close();
  TMainZorna& Main() const { return *forms_.MainZorna; }
  Dialogs& AllDialogs() { return forms_.dialogs; }

  std::filesystem::path SettingsPath() const { return config_ / "Zorna.ini"; }
  IniFile Settings() const { return IniFile(SettingsPath()); }
  void Seed(const std::string& section, const std::string& key, int value);
  // A skin folder "Skin/" + name; the fixture's "Modry", the default, is a complete skin with
  // 17-pixel caption bars ("Klasicky" stays empty).
  std::filesystem::path SkinFolder(const std::string& name) const { return home_ / "Skin" / name; }
  void WriteSkin(const std::string& name, const DrawnSkin& skin, const std::string& link = "");
  static const DrawnSkin& TestSkin(int caption_height = 17);

  std::filesystem::path root_;
  std::filesystem::path home_;
  std::filesystem::path config_;
  QStringList messages_;
  QStringList dialogs_shown_;
  std::function<int(QDialog*)> answer_ = [](QDialog*) { return int(QDialog::Accepted); };
  bool started_ = false;
  Forms forms_;
};

}  // namespace zorna::app::testing
