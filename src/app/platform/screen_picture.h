#pragma once
#include <QSize>

#include "picture/bitmap.h"

namespace zorna::app {

// Size of the primary screen in device pixels.
QSize ScreenSizeInPixels();

// The picture of the whole primary screen, one picture pixel per device pixel. With
// ZORNA_SCREEN_IMAGE set, that picture file stands in for the screen (tests, CI); it is laid at
// the top-left of a screen-sized picture.
Bitmap GrabScreenPicture();

}  // namespace zorna::app
