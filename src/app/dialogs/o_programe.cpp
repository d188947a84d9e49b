#include "app/dialogs/o_programe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QScreen>
#include <filesystem>
#include <utility>

#include "app/build_settings.h"
#include "app/dialogs/mail_list.h"
#include "app/platform/interface_language_qt.h"
#include "app/platform/links.h"
#include "app/platform/messages.h"
#include "app/platform/program_folder.h"
#include "app/widgets/dialog_buttons.h"
#include "app/widgets/glyph_icon.h"
#include "app/widgets/screen_centre.h"
#include "artwork/bar_glyphs.h"
#include "gallery/gallery_files.h"
#include "output/about_mail.h"
#include "settings/help_page.h"

namespace zorna::app {
namespace {

// The box as it is laid out, and the size it grows to while it shows the help page, which
// needs room to be read.
constexpr QSize kBoxSize(296, 211);
constexpr QSize kHelpSize(760, 560);
// While the gallery is counted the box answers the user at least this often.
constexpr int kCountPumpMilliseconds = 30;
// Out of sight, right of the box, while the help page is not shown.
const QRect kBrowserAside(1000, 88, 300, 150);

const QColor kSilver(0xC0, 0xC0, 0xC0);

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y,
                  const QColor& colour) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QPalette colours = label->palette();
  colours.setColor(QPalette::WindowText, colour);
  label->setPalette(colours);
  label->move(x, y);
  label->adjustSize();
  return label;
}

// A label as wide as the box's text column, its text centred.
void Centre(QLabel* label, int x, int y, int width) {
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setGeometry(x, y, width, label->sizeHint().height());
}

QFont TitleFont() {
  QFont font;
  font.setFamilies({"URW Bookman", "Bookman Old Style", "serif"});
  font.setPixelSize(32);
  font.setBold(true);
  return font;
}

}  // namespace

TOPrograme::TOPrograme(QWidget* parent, NotFoundSearches not_found, TMailList& mail_list)
    : QDialog(parent), not_found_(std::move(not_found)), mail_list_(mail_list) {
  MakeFixedDialog(this, "OPrograme", tr("O programe"), kBoxSize);
  QPalette black = palette();
  black.setColor(QPalette::Window, Qt::black);
  setPalette(black);
  setAutoFillBackground(true);

  Label2 = MakeLabel(this, "Label2", "Zorna", 16, 8, Qt::white);
  Label10 = MakeLabel(this, "Label10", build_settings::kVersion, 120, 8, Qt::white);
  for (QLabel* title : {Label2, Label10}) {
    title->setFont(TitleFont());
    title->setAttribute(Qt::WA_TranslucentBackground);
    title->adjustSize();
  }
  Label13 = MakeLabel(this, "Label13", tr("Elektronická adresa:"), 40, 80, Qt::white);
  Label14 = new LinkLabel("Label14", QString::fromUtf8(build_settings::kAuthorWebAddress), this);
  Label14->move(144, 80);
  Label6 = MakeLabel(this, "Label6", tr("Elektronická pošta:"), 40, 96, Qt::white);
  Label4 = new LinkLabel("Label4", QString::fromUtf8(build_settings::kAuthorMailAddress), this);
  Label4->move(144, 96);

  SpeedButton1 = new QToolButton(this);
  SpeedButton1->setObjectName("SpeedButton1");
  SpeedButton1->setAutoRaise(true);
  SpeedButton1->setFocusPolicy(Qt::NoFocus);
  SpeedButton1->setIcon(GlyphIcon(DrawHelpGlyph(), 1));
  SpeedButton1->setIconSize(QSize(16, 16));
  SpeedButton1->setGeometry(248, 120, 23, 22);
  SpeedButton1->setToolTip(tr("Zobraziť pomoc"));

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  Bevel1->setGeometry(16, 152, 265, 2);
  Label15 = MakeLabel(this, "Label15", tr("Počet obrázkov vo Vašej galérii:"), 56, 160, kSilver);
  Label16 = MakeLabel(this, "Label16", "?", 216, 160, kSilver);
  Label16->setMinimumWidth(60);
  Label3 = MakeLabel(this, "Label3", tr("Vyše 2000 ikon nájdete na elektronickej adrese autora."),
                     8, 176, kSilver);
  Centre(Label3, 8, 176, 281);
  Label9 =
      new LinkLabel("Label9", tr("Zaujímajú vás informácie o nových verziách programu?"), this);
  Centre(Label9, 8, 192, 281);
  for (LinkLabel* link : {Label14, Label4}) link->adjustSize();

  WebBrowser1 = new QTextBrowser(this);
  WebBrowser1->setObjectName("WebBrowser1");
  WebBrowser1->setOpenLinks(false);
  WebBrowser1->setGeometry(300, 88, 300, 150);

  connect(Label14, &LinkLabel::Clicked, this, [this] { Label14Click(Label14); });
  connect(Label4, &LinkLabel::Clicked, this, [this] { Label4Click(Label4); });
  connect(Label9, &LinkLabel::Clicked, this, [this] { Label9Click(Label9); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(SpeedButton1); });
  connect(WebBrowser1, &QTextBrowser::anchorClicked, this,
          [this](const QUrl& url) { WebBrowser1AnchorClicked(url); });
}

void TOPrograme::Label14Click(QObject*) {
  OpenLink("http://" + Label14->text());
}

void TOPrograme::Label4Click(QObject*) {
  const std::string address = Label4->text().toStdString();
  const std::string version = Label10->text().toStdString();
  const AuthorMail author{address, version, build_settings::kEditionTag};
  const std::vector<std::string> terms = not_found_.lines();
  const auto carried = terms.begin() + std::ptrdiff_t(NotFoundTermsThatFit(author, terms));
  // The searches are forgotten only once the mail is in the mail program's hands; what did not
  // fit in it waits for the next one.
  if (OpenMail(QString::fromStdString(NotFoundMailText(author, {terms.begin(), carried})))) {
    not_found_.replace({carried, terms.end()});
  }
}

void TOPrograme::Label9Click(QObject*) {
  if (RunModal(&mail_list_) != QDialog::Accepted) return;
  const std::string address = Label4->text().toStdString();
  const std::string version = Label10->text().toStdString();
  const std::string text = NewVersionsMailText({address, version, build_settings::kEditionTag},
                                               mail_list_.Edit->text().toStdString());
  OpenMail(QString::fromStdString(text));
}

// The box grows, and can be resized, while it shows the page; closing it makes it the small
// fixed box again.
void TOPrograme::SpeedButton1Click(QObject*) {
  help_shown_ = true;
  setMinimumSize(kBoxSize);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  const QScreen* screen = this->screen();  // the primary one while the box is not yet shown
  resize(screen ? kHelpSize.boundedTo(screen->availableSize() * 9 / 10).expandedTo(kBoxSize)
                : kHelpSize);
  if (isVisible()) MoveToScreenCentre(this);
  WebBrowser1->setGeometry(rect());
  WebBrowser1->raise();
  const std::filesystem::path page = HelpPage(AdresarProgramu, WindowLanguage());
  std::error_code ec;
  if (std::filesystem::is_regular_file(page, ec)) {
    WebBrowser1->setSource(
        QUrl::fromLocalFile(QString::fromStdString(std::filesystem::absolute(page, ec).string())));
  } else {
    WebBrowser1->setHtml("<h3>" + tr("Stránka sa nenašla") + "</h3><p>" +
                         QString::fromStdString(page.string()).toHtmlEscaped() + "</p>");
  }
}

bool TOPrograme::ShowsHelpPage() const {
  return help_shown_;
}

// Links to other pages of the help stay in the box; web and mail addresses go to the desktop.
void TOPrograme::WebBrowser1AnchorClicked(const QUrl& url) {
  const QUrl target = WebBrowser1->source().resolved(url);
  if (target.isLocalFile()) {
    WebBrowser1->setSource(target);
  } else {
    OpenLink(url.toString());
  }
}

void TOPrograme::FormActivate() {
  repaint();
  if (ShowsHelpPage() || counting_) return;
  counting_ = true;
  closed_while_counting_ = false;
  QElapsedTimer since_pump;
  since_pump.start();
  int shown = -1;
  const int count = CountGalleryFiles(GalleryFolder(AdresarProgramu), [&](int so_far) {
    if (so_far != shown) {
      shown = so_far;
      Label16->setText(QString::number(so_far));
      Label16->repaint();
    }
    // A gallery of many thousand files is counted without freezing the box; closing it ends
    // the count.
    if (since_pump.elapsed() >= kCountPumpMilliseconds) {
      QCoreApplication::processEvents();
      since_pump.restart();
    }
    return !closed_while_counting_;
  });
  Label16->setText(QString::number(count));
  counting_ = false;
}

void TOPrograme::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
}

void TOPrograme::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  MoveToScreenCentre(this);
}

void TOPrograme::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (help_shown_) WebBrowser1->setGeometry(rect());
}

void TOPrograme::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  help_shown_ = false;
  setFixedSize(kBoxSize);
  WebBrowser1->setGeometry(kBrowserAside);
  closed_while_counting_ = counting_;
}

}  // namespace zorna::app
