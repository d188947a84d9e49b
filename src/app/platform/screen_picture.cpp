#include "app/platform/screen_picture.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include "app/platform/portal_screenshot.h"
#include "app/platform/qt_bitmap.h"
#include "picture/picture_file.h"
#include "picture/raster.h"

namespace zorna::app {
namespace {

// How long the portal may take. A desktop that keeps no permission for us (GNOME) first asks
// the user whether programs may copy the screen; the wait leaves time for that answer.
constexpr int kPortalTimeoutSeconds = 30;

int PortalTimeoutSeconds() {
  bool ok = false;
  const int seconds = qEnvironmentVariableIntValue("ZORNA_PORTAL_TIMEOUT", &ok);
  return ok && seconds > 0 ? seconds : kPortalTimeoutSeconds;
}

QString PortalFailureText(const PortalScreenshot& shot, int seconds) {
  QString why;
  switch (shot.outcome) {
    case PortalOutcome::kMissing:
      why = QCoreApplication::translate(
          "ScreenPicture",
          "pracovné prostredie neponúka službu na snímanie obrazovky (xdg-desktop-portal so "
          "službou Screenshot). Nainštalujte xdg-desktop-portal a portál pre svoje prostredie.");
      break;
    case PortalOutcome::kRefused:
      why = QCoreApplication::translate(
          "ScreenPicture",
          "pracovné prostredie snímanie obrazovky odmietlo; povoľte programu Zorna snímanie "
          "obrazovky v nastaveniach súkromia svojho prostredia (alebo na otázku, či smie "
          "snímať obrazovku, odpovedzte áno) a spustite ho znova.");
      break;
    case PortalOutcome::kTimedOut:
      why = QCoreApplication::translate(
                "ScreenPicture",
                "pracovné prostredie do %1 %2 neodpovedalo. Ak sa pýtalo, či smie Zorna snímať "
                "obrazovku, povoľte to a spustite ju znova; inak skúste prostredie znova "
                "prihlásiť (služba xdg-desktop-portal neodpovedá).")
                .arg(seconds)
                .arg(seconds == 1 ? QCoreApplication::translate("ScreenPicture", "sekundy")
                                  : QCoreApplication::translate("ScreenPicture", "sekúnd"));
      break;
    case PortalOutcome::kUnreadable:
      why = QCoreApplication::translate("ScreenPicture", "súbor so snímkou sa nedá prečítať (%1).")
                .arg(shot.detail);
      break;
    case PortalOutcome::kTaken:
      break;
  }
  return QCoreApplication::translate(
             "ScreenPicture",
             "Obrazovku sa nepodarilo odfotiť: %1\nZorna bez obrazu obrazovky "
             "nemôže pracovať a teraz sa ukončí.")
      .arg(why);
}

}  // namespace

QImage CopyDesktopThroughPortal(const QDBusConnection& bus) {
  const int seconds = PortalTimeoutSeconds();
  const PortalScreenshot shot = TakePortalScreenshot(bus, seconds * 1000);
  if (shot.outcome != PortalOutcome::kTaken)
    throw NoScreenCopy(PortalFailureText(shot, seconds).toStdString());
  return shot.picture;
}

Bitmap CopyScreenThroughPortal(const QScreen* screen, const QDBusConnection& bus) {
  return ScreenOfDesktop(CopyDesktopThroughPortal(bus), screen);
}

Bitmap ScreenOfDesktop(const QImage& desktop, const QScreen* screen) {
  return FromQImage(CutOutScreen(desktop, screen->virtualGeometry(), screen->geometry(),
                                 ScreenSizeInPixels(screen)));
}

QSize ScreenSizeInPixels(const QScreen* screen) {
  if (!screen) return QSize(1024, 768);
  return screen->geometry().size() * screen->devicePixelRatio();
}

QImage CutOutScreen(const QImage& picture, const QRect& desktop, const QRect& screen,
                    const QSize& device_size) {
  if (desktop.isEmpty()) return picture;
  const qreal sx = qreal(picture.width()) / desktop.width();
  const qreal sy = qreal(picture.height()) / desktop.height();
  const QRect part = QRectF((screen.x() - desktop.x()) * sx, (screen.y() - desktop.y()) * sy,
                            screen.width() * sx, screen.height() * sy)
                         .toRect();
  QImage cut = picture.copy(part);
  // Never enlarged: a part smaller than this Qt's idea of the screen is a screen at a
  // fractional scale, whose own device pixels the part holds one for one.
  if (cut.width() > device_size.width() || cut.height() > device_size.height())
    cut = cut.scaled(device_size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  return cut;
}

Bitmap GrabScreenPicture(QScreen* screen) {
  const QSize size = ScreenSizeInPixels(screen);
  const QByteArray seam = qgetenv("ZORNA_SCREEN_IMAGE");
  if (!seam.isEmpty()) {
    Bitmap picture = ReadPictureFile(std::string(seam.constData()));
    if (picture.Width() == size.width() && picture.Height() == size.height()) return picture;
    Bitmap whole(size.width(), size.height());
    BitBlt(whole, 0, 0, picture.Width(), picture.Height(), picture, 0, 0, SRCCOPY);
    return whole;
  }
  if (!screen) return Bitmap(size.width(), size.height());
  if (QGuiApplication::platformName() == "wayland")
    return CopyScreenThroughPortal(screen, QDBusConnection::sessionBus());
  // X11 reads the screen itself; the copy comes in device pixels, relative to this screen.
  const QImage shot = screen->grabWindow(0).toImage();
  if (shot.isNull()) return Bitmap(size.width(), size.height());
  return FromQImage(shot);
}

}  // namespace zorna::app
