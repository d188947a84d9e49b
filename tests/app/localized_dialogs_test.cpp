#include "app/platform/localized_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <set>

#include "app/platform/handler_guard.h"
#include "app/platform/interface_language_qt.h"
#include "app/platform/messages.h"
#include "app/platform/slovak_desktop.h"
#include "support/error.h"

namespace zorna::app {
namespace {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  std::set<QString> captions;
};

// Answers every box at once by pressing the button with the given caption (none: no button).
class AnsweringRunner {
 public:
  explicit AnsweringRunner(QString press) : press_(std::move(press)) {
    SetModalRunner([this](QDialog* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      EXPECT_NE(box, nullptr);
      if (box == nullptr) return 0;
      seen_.title = box->windowTitle();
      seen_.text = box->text();
      seen_.icon = box->icon();
      for (QAbstractButton* button : box->buttons()) {
        seen_.captions.insert(button->text());
        if (button->text() == press_) button->click();
      }
      return 0;
    });
  }
  ~AnsweringRunner() {
    SetModalRunner({});
    JazykDialogov = "SKY";
  }
  const SeenBox& Seen() const { return seen_; }

 private:
  QString press_;
  SeenBox seen_;
};

TEST(LocalizedDialogs, QuestionInSlovakIsTrueOnlyForYes) {
  {
    AnsweringRunner runner("Án&o");
    EXPECT_TRUE(DlgOtazka("Pridať vytvorený obrázok do galérie?"));
    EXPECT_EQ(runner.Seen().title, "Otázka");
    EXPECT_EQ(runner.Seen().text, "Pridať vytvorený obrázok do galérie?");
    EXPECT_EQ(runner.Seen().icon, QMessageBox::Question);
    EXPECT_EQ(runner.Seen().captions, (std::set<QString>{"Án&o", "&Nie"}));
  }
  {
    AnsweringRunner runner("&Nie");
    EXPECT_FALSE(DlgOtazka("?"));
  }
  {
    AnsweringRunner runner("");  // closed without a button
    EXPECT_FALSE(DlgOtazka("?"));
  }
}

TEST(LocalizedDialogs, OtherLanguagesFollowTheSetting) {
  {
    AnsweringRunner runner("An&o");
    JazykDialogov = "CSY";
    EXPECT_TRUE(DlgOtazka("?"));
    EXPECT_EQ(runner.Seen().captions, (std::set<QString>{"An&o", "&Ne"}));
  }
  {
    AnsweringRunner runner("&No");
    JazykDialogov = "sky";  // not "SKY": English
    EXPECT_FALSE(DlgOtazka("?"));
    EXPECT_EQ(runner.Seen().title, "Question");
    EXPECT_EQ(runner.Seen().captions, (std::set<QString>{"&Yes", "&No"}));
  }
}

// An English window: English titles, the desktop's own buttons (ours only where it has none)
// and the English wording of errors.
TEST(LocalizedDialogs, AnEnglishWindowHasEnglishTitlesAndTheDesktopsButtons) {
  setenv("LANGUAGE", "en", 1);
  const std::vector<QTranslator*> english = InstallEnglishCatalogues(*qApp);
  {
    AnsweringRunner runner("&No");
    EXPECT_FALSE(DlgOtazka("?"));
    EXPECT_EQ(runner.Seen().title, "Question");
    EXPECT_EQ(runner.Seen().captions, (std::set<QString>{"&Yes", "&No"}));
  }
  {
    AnsweringRunner runner("&All");
    EXPECT_EQ(
        JazykovyDialog("m", "t", BoxType::kWarning, {ModalResult::kAll, ModalResult::kCancel}),
        ModalResult::kAll);
    EXPECT_EQ(runner.Seen().captions,
              (std::set<QString>{"&All", QMessageBox().addButton(QMessageBox::Cancel)->text()}));
  }
  QString shown;
  SetMessagePresenter([&shown](const QString& text, bool) { shown = text; });
  ShowErrorOf(Error("Cannot open file a.bmp", "Súbor a.bmp sa nedá otvoriť"));
  SetMessagePresenter({});
  EXPECT_EQ(shown, "Cannot open file a.bmp");
  for (QTranslator* catalogue : english) delete catalogue;
  unsetenv("LANGUAGE");
}

TEST(LocalizedDialogs, OneButtonBoxesKeepTheDesktopsOkCaption) {
  const QString ok = QMessageBox().addButton(QMessageBox::Ok)->text();
  struct Case {
    bool (*show)(const QString&);
    const char* title;
    QMessageBox::Icon icon;
  };
  for (const Case& c : {Case{DlgSprava, "Správa", QMessageBox::Information},
                        Case{DlgChyba, "Chyba", QMessageBox::Critical},
                        Case{DlgPozor, "Pozor!", QMessageBox::Warning}}) {
    AnsweringRunner runner(ok);
    EXPECT_TRUE(c.show("text"));
    EXPECT_EQ(runner.Seen().title, c.title);
    EXPECT_EQ(runner.Seen().icon, c.icon);
    EXPECT_EQ(runner.Seen().captions, std::set<QString>{ok});
  }
}

TEST(LocalizedDialogs, EveryResultGetsItsCaptionAndComesBack) {
  AnsweringRunner runner("&Všetko");
  const ModalResult result = JazykovyDialog(
      "m", "t", BoxType::kWarning,
      {ModalResult::kAbort, ModalResult::kRetry, ModalResult::kIgnore, ModalResult::kAll,
       ModalResult::kNoToAll, ModalResult::kYesToAll, ModalResult::kCancel});
  EXPECT_EQ(result, ModalResult::kAll);
  EXPECT_EQ(runner.Seen().captions,
            (std::set<QString>{"&Prerušiť", "&Znovu", "&Ignorovať", "&Všetko", "Ni&e všetkým",
                               "Áno &všetkým", "&Storno"}));
}

// The button order that GNOME desktops give message boxes: the affirmative button last.
class GnomeButtonOrder : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_DialogButtonLayout) return QDialogButtonBox::GnomeLayout;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

TEST(LocalizedDialogs, EnterAnswersWithTheFirstButtonWhateverTheDesktopsOrder) {
  const QString style_name = QApplication::style()->name();
  QApplication::setStyle(new GnomeButtonOrder);
  QString default_caption;
  QTimer::singleShot(0, [&default_caption] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    for (QAbstractButton* button : box->buttons()) {
      auto* push = qobject_cast<QPushButton*>(button);
      if (push != nullptr && push->isDefault()) default_caption = push->text();
    }
    box->button(QMessageBox::No)->click();
  });
  EXPECT_FALSE(DlgOtazka("Pridať vytvorený obrázok do galérie?"));
  QApplication::setStyle(style_name);
  EXPECT_EQ(default_caption, "Án&o");
}

// Qt's own dialogs (the file dialog's overwrite question) take the desktop's standard buttons.
TEST(LocalizedDialogs, TheDesktopsStandardButtonsSpeakSlovak) {
  InstallSlovakButtonCaptions(*QCoreApplication::instance());
  QMessageBox box;
  EXPECT_EQ(box.addButton(QMessageBox::Yes)->text(), QString::fromUtf8("Án&o"));
  EXPECT_EQ(box.addButton(QMessageBox::No)->text(), "&Nie");
  EXPECT_EQ(box.addButton(QMessageBox::Cancel)->text(), QString::fromUtf8("Zrušiť"));
}

TEST(LocalizedDialogs, RunsModallyOnTheDesktop) {
  // Without a test runner the box really runs its own loop until a button is pressed.
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::Yes)->click();
  });
  EXPECT_TRUE(DlgOtazka("?"));
}

}  // namespace
}  // namespace zorna::app
