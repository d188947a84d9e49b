#include <QApplication>
#include <QEnterEvent>
#include <QUrlQuery>
#include <fstream>

#include "app/app_fixture.h"
#include "app/build_settings.h"
#include "app/dialogs/dlg_skin.h"
#include "app/dialogs/mail_list.h"
#include "app/dialogs/o_programe.h"
#include "app/main_window/main_zorna_parts.h"
#include "app/platform/links.h"
#include "output/about_mail.h"

namespace zorna::app::testing {
namespace {

class AboutTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    SetLinkOpener([this](const QUrl& url) { return (opened_ << url, desktop_opens_); });
  }
  void TearDown() override {
    SetLinkOpener({});
    AppTest::TearDown();
  }
  TOPrograme& About() { return *Main().OProgrameForm(); }
  TMailList& MailList() { return *Main().MailListForm(); }
  // What the mail program is given, as it shows it.
  QString Body(int i) const {
    return QUrlQuery(opened_.at(i)).queryItemValue("body", QUrl::FullyDecoded);
  }
  QString Subject(int i) const {
    return QUrlQuery(opened_.at(i)).queryItemValue("subject", QUrl::FullyDecoded);
  }
  void Touch(const std::string& name) { std::ofstream(home_ / "Data" / name) << "x"; }

  QList<QUrl> opened_;
  bool desktop_opens_ = true;
};

TEST_F(AboutTest, TheMailToTheAuthorCarriesTheSearchesNotFoundAndEmptiesTheList) {
  Start();
  const QString edition = build_settings::kEditionTag;
  About().Label4Click(About().Label4);
  Main().SetNotFoundLines({"KVETINÁČ", "R&B #1 100%"});
  About().Label4Click(About().Label4);
  ASSERT_EQ(opened_.size(), 2);
  EXPECT_EQ(opened_[0].scheme(), "mailto");
  EXPECT_EQ(opened_[0].path(), build_settings::kAuthorMailAddress);
  EXPECT_EQ(Subject(0),
            QString("Aplikácia Zorna v. %1 (%2)").arg(build_settings::kVersion, edition));
  EXPECT_FALSE(QUrlQuery(opened_[0]).hasQueryItem("body"));
  EXPECT_EQ(Subject(1), Subject(0));
  EXPECT_TRUE(Body(1).startsWith("Mimo iné Vás chcem upozorniť, že som pod dolu napísanými"));
  EXPECT_TRUE(Body(1).endsWith("Heslá: KVETINÁČ, R&B #1 100%.")) << Body(1).toStdString();
  EXPECT_TRUE(Main().NotFoundLines().empty());
  EXPECT_TRUE(PartsOf(Main()).NenajdeneVGalerii->toPlainText().isEmpty());
}

// No browser, no mail program, no xdg-open: every link says so, and the searches stay.
TEST_F(AboutTest, WhenNothingCanOpenALinkTheUserIsToldAndTheSearchesStay) {
  Start();
  desktop_opens_ = false;
  Main().SetNotFoundLines({"ROCK'N'ROLL"});
  About().Label4Click(About().Label4);
  About().Label9Click(About().Label9);
  About().Label14Click(About().Label14);
  AllDialogs().DlgSkin->BitBtn2Click(nullptr);
  EXPECT_EQ(opened_.size(), 4);
  const QStringList said = messages_.filter("xdg-open");
  ASSERT_EQ(said.size(), 4) << messages_.join("\n").toStdString();
  EXPECT_TRUE(said[0].contains(QString::fromUtf8("program na elektronickú poštu")));
  EXPECT_TRUE(said[2].contains(QString::fromUtf8("webový prehliadač")));
  EXPECT_EQ(Main().NotFoundLines(), std::vector<std::string>{"ROCK'N'ROLL"});
  desktop_opens_ = true;
  Main().SetNotFoundLines(std::vector<std::string>(20000, "ŽIRAFA"));  // too long for one mail
  About().Label4Click(About().Label4);
  EXPECT_LE(opened_.last().toEncoded().size(), qsizetype(kMailAddressLimit));
  EXPECT_FALSE(Main().NotFoundLines().empty());
}

TEST_F(AboutTest, TheNewsLinkAsksForAnAddressThatNeedsAnAtSignAndADot) {
  Start();
  TMailList& form = MailList();
  for (const auto& [typed, ok] : {std::pair{"jana@posta", false}, std::pair{"jana.novak@", true},
                                  std::pair{"", false}, std::pair{"a&b@posta.sk", true}}) {
    form.Edit->setText(typed);
    EXPECT_EQ(form.BitBtn1->isEnabled(), ok) << typed;
  }
  answer_ = [](QDialog*) { return int(QDialog::Rejected); };
  About().Label9Click(About().Label9);
  EXPECT_TRUE(opened_.isEmpty());
  answer_ = [](QDialog*) { return int(QDialog::Accepted); };
  About().Label9Click(About().Label9);
  EXPECT_EQ(dialogs_shown_, (QStringList{"MailList", "MailList"}));
  ASSERT_EQ(opened_.size(), 1);
  EXPECT_EQ(Subject(0), "Aplikácia Zorna");
  EXPECT_TRUE(Body(0).endsWith("tohoto programu na email a&b@posta.sk")) << Body(0).toStdString();
  EXPECT_EQ(form.Edit->text(), "a&b@posta.sk");  // kept for the next showing
}

TEST_F(AboutTest, CountsFilesStartingWithADigitButNotWhileTheHelpPageIsShown) {
  for (const char* name : {"5000.iko", "5001.iko", "5500.iko", "info.txt", "a5000.iko"}) {
    Touch(name);
  }
  std::filesystem::create_directory(home_ / "Data" / "6000");
  Start();
  EXPECT_EQ(About().Label16->text(), "?");
  About().FormActivate();
  EXPECT_EQ(About().Label16->text(), "3");
  Touch("5002.iko");
  About().SpeedButton1Click(About().SpeedButton1);
  About().FormActivate();
  EXPECT_EQ(About().Label16->text(), "3");
  About().show();
  About().hide();  // closing the box puts the help page aside
  About().FormActivate();
  EXPECT_EQ(About().Label16->text(), "4");
}

TEST_F(AboutTest, ALinkShowsTheHandOverTheWholeScreenUntilThePointerLeavesIt) {
  Start();
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(About().Label14, &enter);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
  QApplication::sendEvent(About().Label4, &enter);  // from one link straight to the next
  QApplication::sendEvent(About().Label14, &leave);
  EXPECT_NE(QApplication::overrideCursor(), nullptr);
  QApplication::sendEvent(About().Label4, &leave);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  About().show();
  QApplication::sendEvent(About().Label9, &enter);
  About().hide();  // the box closed with the pointer on a link
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(AboutTest, HelpFillsTheBoxAndAMissingPageShowsTheBrowsersOwnText) {
  std::filesystem::create_directories(home_ / "pomoc");
  std::ofstream(home_ / "pomoc" / "pomoc.htm") << "<html><body><h1>Pomoc</h1></body></html>";
  Start();
  Main().HELPClick(nullptr);
  EXPECT_EQ(dialogs_shown_, QStringList{"OPrograme"});
  EXPECT_TRUE(About().ShowsHelpPage());
  EXPECT_GT(About().width(), 2 * 296);  // grown to be read, and resizable while it shows
  About().show();
  About().resize(500, 400);
  EXPECT_EQ(About().WebBrowser1->geometry(), About().rect());
  EXPECT_EQ(About().WebBrowser1->toPlainText().trimmed(), "Pomoc");
  std::filesystem::remove_all(home_ / "pomoc");
  About().SpeedButton1Click(nullptr);
  EXPECT_TRUE(About().WebBrowser1->toPlainText().contains("nenašla"));
  About().hide();
  EXPECT_EQ(About().maximumSize(), QSize(296, 211));
}

}  // namespace
}  // namespace zorna::app::testing
