#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTranslator>

#include "app/app_fixture.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/interface_language_qt.h"
#include "picture/picture_file.h"
#include "support/files.h"

namespace zorna::app::testing {
namespace {

// Marks every answer of the program's English catalogues: a shown text tells where it came from.
constexpr QChar kMark(0x2063);
struct MarkedEnglish : QTranslator {
  std::vector<QTranslator*> english;
  QString translate(const char* context, const char* text, const char* hint, int n) const override {
    for (const QTranslator* catalogue : english) {
      const QString found = catalogue->translate(context, text, hint, n);
      if (!found.isNull()) return kMark + found;
    }
    return {};
  }
};

// What `top` shows in words, now or when its parts appear: titles, tooltips, texts, list items
// and menu entries, less what Qt's own file and font dialogs and standard buttons say.
void Collect(QWidget* top, QStringList& shown) {
  QList<QWidget*> parts = top->findChildren<QWidget*>();
  for (QWidget* w : parts << top) {
    QWidget* qt = w;
    while (qt && !qt->inherits("QFontDialog") && !qt->inherits("QFileDialog") &&
           !qt->inherits("QDialogButtonBox")) {
      qt = qt->parentWidget();
    }
    if (qt) continue;
    for (const char* name : {"windowTitle", "toolTip", "text", "title"}) {
      shown << w->property(name).toString();
    }
    if (auto* list = qobject_cast<QComboBox*>(w)) {
      for (int i = 0; i < list->count(); ++i) shown << list->itemText(i);
    }
    for (const QAction* action : w->actions()) shown << action->text();
  }
}

TEST_F(AppTest, UnderEnglishEveryShownTextIsACatalogueTranslation) {
  MarkedEnglish marked;
  marked.english = InstallEnglishCatalogues(*qApp);
  QCoreApplication::installTranslator(&marked);
  qputenv("LANGUAGE", "en");
  QStringList shown;
  answer_ = [&shown](QDialog* dialog) {
    Collect(dialog, shown);
    return int(QDialog::Rejected);
  };
  WriteFileAtomically(home_ / "strom.trv", "GALERIA\r\n\tZVIERATA\r\n");
  Start();
  TMainZorna& m = Main();
  m.BtnGalleryClick(PartsOf(m).BtnGallery);
  m.SpeedButton16Click(nullptr);  // no category chosen: an error
  m.SpeedButton15Click(nullptr);  // the text's font
  emit m.Action("Security")->activated();
  m.MailListForm(), m.OProgrameForm(), m.UpravitForm();  // the dialogs made on first use
  Collect(&m, shown);                                    // with the dialogs it owns
  // Names, numbers, sizes ("32 x 32"), file and web addresses need no English.
  const QRegularExpression no_words("^(\\P{L}*(Zorna)?\\P{L}*|\\d+ x \\d+|[\\w.@/-]+\\.\\w+)$");
  QStringList foreign;
  for (const QString& text : shown << messages_) {
    if (!text.contains(kMark) && !no_words.match(text).hasMatch()) foreign << text;
  }
  foreign.removeDuplicates();
  EXPECT_TRUE(foreign.isEmpty()) << "not English:\n" << foreign.join("\n").toStdString();
  // The panels' captions are the skin's pictures: ours carry English ones.
  EXPECT_EQ(PartsOf(m).Panel("Vystup").hlavicka_image->Picture(),
            ReadPictureFile(SkinFolder("Modry") / "okno" / "Vystup" / "hlavička_en.bmp"));
  qunsetenv("LANGUAGE");
  for (QTranslator* catalogue : std::exchange(marked.english, {})) delete catalogue;  // Slovak
}

}  // namespace
}  // namespace zorna::app::testing
