#pragma once
#include <QDBusConnection>
#include <QImage>
#include <QString>

namespace zorna::app {

// The desktop portal's screen copy (org.freedesktop.portal.Screenshot on the session bus):
// the way to copy the screen where the desktop lets no program read it directly (Wayland).
// The copy is asked for without any dialog; the portal answers on a request object with the
// file it wrote.
enum class PortalOutcome {
  kTaken,       // picture holds the copy
  kMissing,     // no bus, no portal, or a portal without the screenshot interface
  kRefused,     // the portal or the user said no
  kTimedOut,    // no answer in time
  kUnreadable,  // the answer named a file that is not a picture we can read
};

struct PortalScreenshot {
  PortalOutcome outcome = PortalOutcome::kMissing;
  QImage picture;  // the whole desktop as the portal gives it, all screens together
  QString detail;  // what the bus or the portal said, for the message
};

// Waits at most timeout_ms for the whole exchange, keeping the event loop running.
PortalScreenshot TakePortalScreenshot(const QDBusConnection& bus, int timeout_ms);

}  // namespace zorna::app
