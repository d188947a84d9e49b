#include "app/platform/links.h"

#include <QDesktopServices>

#include "support/web_address.h"

namespace zorna::app {
namespace {

LinkOpener& Opener() {
  static LinkOpener opener;
  return opener;
}

}  // namespace

bool OpenLink(const QString& address) {
  const QString text = address.trimmed();
  if (!IsOpenableAddress(text.toStdString())) return false;
  const QUrl url(text, QUrl::StrictMode);
  if (!url.isValid()) return false;
  if (Opener()) {
    Opener()(url);
  } else {
    QDesktopServices::openUrl(url);
  }
  return true;
}

bool OpenMail(const QString& mail_text) {
  const QUrl url(mail_text, QUrl::TolerantMode);
  if (!url.isValid() || url.scheme() != "mailto") return false;
  return OpenLink(url.toString(QUrl::FullyEncoded));
}

void SetLinkOpener(LinkOpener opener) {
  Opener() = std::move(opener);
}

}  // namespace zorna::app
