// The maintenance panel: opening and closing, the stepped selection, and its jobs over the
// listed gallery files with the messages they give.
#include <QTimer>
#include <fstream>

#include "app/app_fixture.h"
#include "app/main_window/main_zorna_parts.h"
#include "picture/picture_file.h"

namespace zorna::app::testing {
namespace {

namespace fs = std::filesystem;

class MaintenanceTest : public AppTest {
 protected:
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(home_ / "Data" / name, std::ios::binary) << text;
  }
  QStringList Listed() {
    QStringList texts;
    for (int i = 0; i < PartsOf(Main()).ListBox1->count(); ++i)
      texts << PartsOf(Main()).ListBox1->item(i)->text();
    return texts;
  }
};

TEST_F(MaintenanceTest, SecurityTogglesThePanelAndSteppingTakesEachPoint) {
  Start();
  TMainZorna& m = Main();
  emit m.Action("Security")->activated();
  EXPECT_FALSE(PartsOf(m).PanelTajneMenu->isHidden());
  EXPECT_EQ(PartsOf(m).PanelTajneMenu->geometry(), QRect(8, 8, 473, 313));
  PartsOf(m).SpinEdit4->setValue(100);  // x 100, y 131
  EXPECT_EQ(PartsOf(m).PanelTajneMenu->y(), 120);
  EXPECT_EQ(PartsOf(m).Bevel1->pos(), QPoint(101, 132));
  EXPECT_EQ(PartsOf(m).Image2->Picture(), PartsOf(m).Image1->Picture());
  PartsOf(m).SpinEdit7->setValue(5);
  m.Button11Click(nullptr);  // + x 36, + y 5
  EXPECT_EQ(PartsOf(m).Bevel1->pos(), QPoint(137, 137));
  m.Button666Click(nullptr);
  EXPECT_TRUE(PartsOf(m).PanelTajneMenu->isHidden());
  m.Button666Click(nullptr);
  EXPECT_EQ(PartsOf(m).PanelTajneMenu->pos(), QPoint(120, 120));  // the left edge follows the top
}

TEST_F(MaintenanceTest, JobsRunOverTheListedFiles) {
  for (const char* name : {"2001.iko", "3000.iko", "4012.iko", "5000.iko", "strom.trv"}) {
    Write(name, "x");
  }
  Write("5012.iko", "stray");
  Start();
  TMainZorna& m = Main();
  m.EnsureMaintenance();
  PartsOf(m).SpinEdit1->setValue(3);
  PartsOf(m).SpinEdit2->setValue(4);
  m.Button8Click(nullptr);
  EXPECT_EQ(Listed(), QStringList({"003000.iko", "004012.iko"}));
  messages_.clear();        // the start-up hints
  m.Button3Click(nullptr);  // the shift still holds 200
  EXPECT_EQ(messages_, QStringList{"Nastavte veľkosť posuvu!"});
  EXPECT_EQ(Listed().size(), 2);
  PartsOf(m).SpinEdit3->setValue(1);
  m.Button3Click(nullptr);
  EXPECT_EQ(messages_.last(), "1 súbor nebol posunutý (nové meno je obsadené alebo neplatné).");
  EXPECT_TRUE(fs::exists(home_ / "Data" / "4000.iko"));
  EXPECT_TRUE(fs::exists(home_ / "Data" / "4012.iko"));
  EXPECT_TRUE(Listed().isEmpty());

  m.Button6Click(nullptr);  // an empty list is loaded first
  EXPECT_EQ(messages_.last(), "Info.txt bol vytvorený v adresáry DATA");
  EXPECT_TRUE(fs::exists(home_ / "Data" / "info.txt"));

  WriteBmpFile(home_ / "Data" / "3005.bmp", Bitmap(32, 32, Rgb(1, 2, 3)));
  m.Button8Click(nullptr);  // the list stays after info.txt; this one holds the new bitmap
  // A click on another job while the encoding lets events through starts nothing.
  const qsizetype before = messages_.size();
  QTimer::singleShot(0, &m, [&m] { m.Button12Click(nullptr); });
  m.Button2Click(nullptr);
  EXPECT_EQ(messages_.size(), before);
  EXPECT_TRUE(fs::exists(home_ / "Data" / "3005.iko"));
  EXPECT_FALSE(fs::exists(home_ / "Data" / "3005.bmp"));
  EXPECT_TRUE(PartsOf(m).ProgressBar1->isHidden());

  const qsizetype shown = messages_.size();
  m.Button12Click(nullptr);  // no strom.trv in the program folder: no pack, and it says so
  EXPECT_EQ(messages_.size(), shown + 1);
  EXPECT_FALSE(fs::exists(home_ / "Data" / "zorna.mk"));
  std::ofstream(home_ / "strom.trv") << "A\r\n";
  // The open panel's bar shows the pack being made: as many steps as the names it takes.
  m.Button666Click(nullptr);
  std::pair<int, int> bar;
  QTimer::singleShot(0, &m, [&] {
    bar = {PartsOf(m).ProgressBar1->maximum(), PartsOf(m).ListBox1->count()};
  });
  m.Button12Click(nullptr);
  m.Button666Click(nullptr);
  EXPECT_EQ(bar.first, bar.second);
  EXPECT_GT(bar.second, 0);
  EXPECT_EQ(messages_.last(), "Obrázky boli skomprimované do súboru Balíky/zorna.mk.");
  EXPECT_FALSE(fs::exists(home_ / "Data" / "zorna.mk"));
  EXPECT_TRUE(Listed().isEmpty());
  EXPECT_TRUE(PartsOf(m).ProgressBar1->isHidden());

  m.Button5Click(nullptr);
  EXPECT_TRUE(messages_.last().startsWith("Skiny boli skomprimované do súborov:\nBalíky/"));
  EXPECT_TRUE(fs::exists(home_ / "Balíky" / "Modry.mk"));
  PartsOf(m).state.job_estimate = "7 minút";
  m.Button1Click(nullptr);
  EXPECT_EQ(PartsOf(m).SpinEdit1->value(), 7);
  EXPECT_EQ(PartsOf(m).SpinEdit2->value(), 7);
}

}  // namespace
}  // namespace zorna::app::testing
