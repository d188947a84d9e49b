#pragma once
#include <QString>
#include <QUrl>
#include <functional>

namespace zorna::app {

// Hands a web or mail address to the desktop to open. Only http, https and mailto addresses
// are opened (a skin's link comes from elsewhere, so a program path, a file: address or a
// command line is never run); returns whether the address was handed on.
bool OpenLink(const QString& address);

// Tests see the addresses instead of the desktop opening them.
using LinkOpener = std::function<void(const QUrl& url)>;
void SetLinkOpener(LinkOpener opener);

}  // namespace zorna::app
