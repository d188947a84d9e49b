// From pointer positions to picture pixels at the desktop's scale factors, and the choice of
// the screen to open on.
#include <gtest/gtest.h>

#include <cmath>

#include "app/platform/screen_choice.h"
#include "app/widgets/device_pixels.h"

namespace zorna::app::testing {
namespace {

TEST(DevicePixelsTest, EveryDevicePixelComesBackFromTheLogicalPositionsInsideIt) {
  for (const qreal ratio : {1.25, 1.5, 2.0}) {
    for (int d = 0; d < 4000; ++d) {
      // X11 gives the position of a whole device pixel divided by the scale factor; Wayland
      // may give any position inside the pixel, in 1/256 steps of a logical pixel.
      const qreal start = d / ratio;
      const qreal last = (d + 1) / ratio - 1.0 / 256;
      ASSERT_EQ(DevicePixelAt(QPointF(start, start), ratio), QPoint(d, d)) << ratio;
      ASSERT_EQ(DevicePixelAt(QPointF(last, start), ratio), QPoint(d, d)) << ratio;
    }
  }
}

// Wayland at 1.5 counts 853 x 533 logical pixels over 1280 x 800 and rounds positions to 1/256.
TEST(DevicePixelsTest, AtAFractionalScaleThePointerPicksTheCopysPixelAcrossAndDown) {
  EXPECT_FALSE(CopyScale(QSize(1280, 1024), QSize(853, 683), 1.5));  // X11 at 1.5: Qt's own
  const DeviceScale scale = CopyScale(QSize(1280, 800), QSize(853, 533), 2).value();
  for (int d = 0; d < 800; ++d) {
    const QPointF sent(std::round(d * 853.0 / 1280 * 256), std::round(d * 533.0 / 800 * 256));
    ASSERT_EQ(DevicePixelAt(sent / 256, scale), QPoint(d, d)) << d;
  }
}

TEST(DevicePixelsTest, TheMarkerWidgetCoversItsSquareAndNoWholeLogicalPixelMore) {
  for (const qreal ratio : {1.25, 1.5}) {
    for (int d = 0; d < 300; ++d) {
      const QRect square(d, 2 * d, 63, 31);
      const QRect cover = LogicalCover(square, ratio);
      // In device pixels the cover spans [left * ratio, right * ratio).
      ASSERT_LE(cover.left() * ratio, square.left()) << ratio << " " << d;
      ASSERT_GT((cover.left() + 1) * ratio, square.left());
      ASSERT_GE((cover.right() + 1) * ratio, square.right() + 1);
      ASSERT_LT(cover.right() * ratio, square.right() + 1);
      ASSERT_LE(cover.top() * ratio, square.top());
      ASSERT_GT((cover.top() + 1) * ratio, square.top());
      ASSERT_GE((cover.bottom() + 1) * ratio, square.bottom() + 1);
      ASSERT_LT(cover.bottom() * ratio, square.bottom() + 1);
    }
  }
}

TEST(ScreenChoiceTest, TheScreenUnderThePointerElseTheFallback) {
  const QList<QRect> screens{QRect(0, 0, 1280, 1024), QRect(1280, 0, 800, 600)};
  EXPECT_EQ(ScreenUnderPointer(screens, QPoint(10, 10), 0), 0);
  EXPECT_EQ(ScreenUnderPointer(screens, QPoint(1500, 300), 0), 1);
  EXPECT_EQ(ScreenUnderPointer(screens, QPoint(1279, 1023), 1), 0);
  // Below the smaller screen lies no screen at all.
  EXPECT_EQ(ScreenUnderPointer(screens, QPoint(1500, 800), 7), 7);
}

}  // namespace
}  // namespace zorna::app::testing
