#pragma once
#include <QRect>
#include <QSize>
#include <stdexcept>

#include "picture/bitmap.h"

class QDBusConnection;
class QImage;
class QScreen;

namespace zorna::app {

// A screen's size in device pixels.
QSize ScreenSizeInPixels(const QScreen* screen);

// The picture of the whole screen, one picture pixel per device pixel. On X11 the screen is
// read directly; on Wayland, where no program may read it, the desktop portal copies it. With
// ZORNA_SCREEN_IMAGE set, that picture file stands in for the screen (tests, CI); it is laid at
// the top-left of a screen-sized picture. Throws NoScreenCopy when the portal fails.
Bitmap GrabScreenPicture(QScreen* screen);

// The screen could not be copied; what() is the message for the user. Without the copy the
// program has nothing to work on and ends.
class NoScreenCopy : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The copy of the whole desktop (every screen) from the desktop portal on that bus; throws
// NoScreenCopy, saying why and what the user can do, when the portal is missing, refuses or
// does not answer in time.
QImage CopyDesktopThroughPortal(const QDBusConnection& bus);

// The screen's part of the desktop's copy, in its device pixels (CutOutScreen).
Bitmap ScreenOfDesktop(const QImage& desktop, const QScreen* screen);

// The screen's copy from the desktop portal: its part of the desktop's.
Bitmap CopyScreenThroughPortal(const QScreen* screen, const QDBusConnection& bus);

// The part of a picture of the whole desktop that shows one screen, in that screen's device
// pixels. The portal's picture spans every screen (`desktop`, in logical pixels) at a scale of
// its own choosing (the largest of the screens'); a screen shown at a smaller whole scale is
// brought to its size in device pixels (`device_size`, as this Qt counts them).
QImage CutOutScreen(const QImage& picture, const QRect& desktop, const QRect& screen,
                    const QSize& device_size);

}  // namespace zorna::app
