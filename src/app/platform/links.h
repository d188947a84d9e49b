#pragma once
#include <QString>
#include <QUrl>
#include <functional>

namespace zorna::app {

// Hands a web or mail address to the desktop to open. Only http, https and mailto addresses
// are opened (a skin's link comes from elsewhere, so a program path, a file: address or a
// command line is never run); returns whether the address was handed on.
bool OpenLink(const QString& address);

// Hands a "mailto:" text written as people read it (blanks and accented letters as they are) to
// the desktop's mail program, encoded into an address first. Returns whether it was handed on.
bool OpenMail(const QString& mail_text);

// Tests see the addresses instead of the desktop opening them.
using LinkOpener = std::function<void(const QUrl& url)>;
void SetLinkOpener(LinkOpener opener);

}  // namespace zorna::app
