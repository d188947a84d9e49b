#include "app/app_fixture.h"

#include <map>
#include <random>

#include "app/platform/messages.h"
#include "picture/picture_file.h"

namespace zorna::app::testing {

void AppTest::SetUp() {
  std::random_device rd;
  root_ = std::filesystem::temp_directory_path() /
          ("zorna-app-" + std::to_string(rd()) + std::to_string(rd()));
  home_ = root_ / "home";
  config_ = root_ / "config";
  std::filesystem::create_directories(home_ / "Skin" / "Klasicky");
  WriteSkin("Modry", TestSkin());
  std::filesystem::create_directories(home_ / "Data");
  std::filesystem::create_directories(config_);
  Bitmap screen(400, 300, 0x808080);
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 400; ++x) screen.SetPixel(x, y, Rgb(x % 256, y % 256, (x + y) % 256));
  }
  WriteBmpFile(root_ / "screen.bmp", screen);
  qputenv("ZORNA_HOME", QByteArray::fromStdString(home_.string()));
  qputenv("ZORNA_CONFIG_DIR", QByteArray::fromStdString(config_.string()));
  qputenv("ZORNA_SCREEN_IMAGE", QByteArray::fromStdString((root_ / "screen.bmp").string()));
  SetMessagePresenter([this](const QString& text, bool) { messages_ << text; });
  SetModalRunner([this](QDialog* dialog) {
    dialogs_shown_ << dialog->objectName();
    return answer_(dialog);
  });
}

void AppTest::TearDown() {
  if (started_) DestroyForms(forms_);
  SetMessagePresenter({});
  SetModalRunner({});
  std::error_code ec;
  std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
  std::filesystem::remove_all(root_, ec);
}

void AppTest::Start() {
  CreateForms(forms_);
  started_ = true;
  Main().resize(1024, 768);
}

void AppTest::Close() {
  Main().close();
  DestroyForms(forms_);
  started_ = false;
}

const DrawnSkin& AppTest::TestSkin(int caption_height) {
  static std::map<int, DrawnSkin> drawn;
  auto it = drawn.find(caption_height);
  if (it == drawn.end()) {
    SkinDesign design = JazeroSkin();
    design.caption_height = caption_height;
    it = drawn.emplace(caption_height, DrawSkin(design)).first;
  }
  return it->second;
}

void AppTest::WriteSkin(const std::string& name, const DrawnSkin& skin, const std::string& link) {
  WriteSkinFolder(SkinFolder(name), skin, link);
}

void AppTest::Seed(const std::string& section, const std::string& key, int value) {
  IniFile ini(SettingsPath());
  ini.WriteInteger(section, key, value);
  ini.Save();
}

}  // namespace zorna::app::testing
