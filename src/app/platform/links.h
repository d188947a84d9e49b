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

// Tests see the addresses instead of the desktop opening them; the opener answers whether a
// program could be started for the address.
using LinkOpener = std::function<bool(const QUrl& url)>;
void SetLinkOpener(LinkOpener opener);

}  // namespace zorna::app
