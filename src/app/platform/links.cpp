#include "app/platform/links.h"

#include <QCoreApplication>
#include <QDesktopServices>

#include "app/platform/messages.h"
#include "output/about_mail.h"
#include "text/web_address.h"

namespace zorna::app {
namespace {

LinkOpener& Opener() {
  static LinkOpener opener;
  return opener;
}

// Qt finds no browser nor xdg-open, or cannot start what it found.
QString NothingCouldOpen(const QUrl& url) {
  if (url.scheme() == "mailto") {
    return QCoreApplication::translate(
               "Links",
               "Správu pre „%1“ sa nepodarilo napísať: nedá sa spustiť žiadny program na "
               "elektronickú poštu ani program xdg-open. Nainštalujte program na poštu a balík "
               "xdg-utils.")
        .arg(url.path(QUrl::FullyDecoded));
  }
  return QCoreApplication::translate(
             "Links",
             "Stránku „%1“ sa nepodarilo otvoriť: nedá sa spustiť žiadny webový prehliadač ani "
             "program xdg-open. Nainštalujte webový prehliadač a balík xdg-utils.")
      .arg(url.toDisplayString());
}

}  // namespace

bool OpenLink(const QString& address) {
  const QString text = address.trimmed();
  if (!IsOpenableAddress(text.toStdString())) return false;
  const QUrl url(text, QUrl::StrictMode);
  if (!url.isValid()) return false;
  const bool opened = Opener() ? Opener()(url) : QDesktopServices::openUrl(url);
  if (!opened) ShowErrorMessage(NothingCouldOpen(url));
  return opened;
}

bool OpenMail(const QString& mail_text) {
  return OpenLink(QString::fromStdString(MailAddress(mail_text.toStdString())));
}

void SetLinkOpener(LinkOpener opener) {
  Opener() = std::move(opener);
}

}  // namespace zorna::app
