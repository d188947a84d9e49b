#include "app/platform/screen_picture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "app/platform/qt_bitmap.h"
#include "picture/picture_file.h"
#include "picture/raster.h"

namespace zorna::app {

QSize ScreenSizeInPixels() {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return QSize(1024, 768);
  return screen->geometry().size() * screen->devicePixelRatio();
}

Bitmap GrabScreenPicture() {
  const QSize size = ScreenSizeInPixels();
  const QByteArray seam = qgetenv("ZORNA_SCREEN_IMAGE");
  if (!seam.isEmpty()) {
    Bitmap screen(size.width(), size.height());
    const Bitmap picture = ReadPictureFile(std::string(seam.constData()));
    BitBlt(screen, 0, 0, picture.Width(), picture.Height(), picture, 0, 0, SRCCOPY);
    return screen;
  }
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return Bitmap(size.width(), size.height());
  const QPixmap shot = screen->grabWindow(0);
  Bitmap picture = FromQImage(shot.toImage());
  picture.SetSize(size.width(), size.height());
  return picture;
}

}  // namespace zorna::app
