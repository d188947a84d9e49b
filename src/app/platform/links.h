#pragma once
#include <QString>
#include <QUrl>
#include <functional>

namespace zorna::app {

// Hands a web or mail address to the desktop to open. Only http, https and mailto addresses
// are opened (a skin's link comes from elsewhere, so a program path, a file: address or a
// command line is never run). When no web browser or mail program could be started for it (none
// is installed, nor xdg-open), the error box says so. Returns whether the desktop took the
// address.
bool OpenLink(const QString& address);

// Hands a "mailto:" text written as people read it (blanks and accented letters as they are) to
// the desktop's mail program, encoded into an address first (MailAddress). Returns whether it
// was handed on.
bool OpenMail(const QString& mail_text);

// Tests see the addresses instead of the desktop opening them; the opener answers whether a
// program could be started for the address.
using LinkOpener = std::function<bool(const QUrl& url)>;
void SetLinkOpener(LinkOpener opener);

}  // namespace zorna::app
