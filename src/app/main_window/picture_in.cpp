// Pictures from outside the program: the picture file it was opened with, laid over the screen's
// copy at the top-left corner and moved there by the wheel when larger than the screen, and
// picture files dropped onto the screen picture.
#include <algorithm>
#include <utility>

#include "app/main_window/main_zorna.h"
#include "app/main_window/main_zorna_parts.h"
#include "picture/picture_file.h"
#include "picture/raster.h"

namespace zorna::app {
namespace {

// Picture pixels one notch of the wheel (120 eighths of a degree) moves an opened picture by.
constexpr int kWheelStep = 128;

}  // namespace

void TMainZorna::SetUpPictureIn() {
  d->bitmapa->AcceptFileDrops(
      [](const QString& file) { return LooksLikePictureFile(file.toStdString()); });
  Wire(d->bitmapa, &ImageControl::FileDropped, "bitmapaDragDrop",
       [this](const QString& file, int x, int y) { bitmapaDragDrop(d->bitmapa, file, x, y); });
  Wire(d->bitmapa, &ImageControl::Wheeled, "bitmapaMouseWheel",
       [this](int dx, int dy, Qt::KeyboardModifiers modifiers) {
         bitmapaMouseWheel(d->bitmapa, dx, dy, modifiers);
       });
}

void TMainZorna::OpenPictureFile(const std::string& file) {
  Bitmap picture = ReadPictureFile(file);
  d->state.opened_picture = std::move(picture);
  d->state.opened_left = 0;
  d->state.opened_top = 0;
  LayOpenedPicture();
}

void TMainZorna::LayOpenedPicture() {
  const Bitmap& picture = d->state.opened_picture;
  if (picture.Empty()) return;
  Bitmap& screen = d->bitmapa->MutablePicture();
  // Only the picture's own pixels: beside and below a smaller one the screen's copy stays.
  const int left = d->state.opened_left;
  const int top = d->state.opened_top;
  BitBlt(screen, 0, 0, std::min(screen.Width(), picture.Width() - left),
         std::min(screen.Height(), picture.Height() - top), picture, left, top, SRCCOPY);
  d->bitmapa->Changed();
}

void TMainZorna::bitmapaMouseWheel(QObject*, int dx, int dy, Qt::KeyboardModifiers modifiers) {
  const Bitmap& picture = d->state.opened_picture;
  if (picture.Empty()) return;
  // Shift turns the wheel across, as picture viewers do.
  if ((modifiers & Qt::ShiftModifier) && dx == 0) std::swap(dx, dy);
  const Bitmap& screen = d->bitmapa->Picture();
  const int left = std::clamp(d->state.opened_left - dx * kWheelStep / 120, 0,
                              std::max(0, picture.Width() - screen.Width()));
  const int top = std::clamp(d->state.opened_top - dy * kWheelStep / 120, 0,
                             std::max(0, picture.Height() - screen.Height()));
  if (left == d->state.opened_left && top == d->state.opened_top) return;
  d->state.opened_left = left;
  d->state.opened_top = top;
  LayOpenedPicture();
  // The pick stays where it was and takes the picture's pixels that moved under it.
  const QPoint pick = d->Bevel1->Square().topLeft() - QPoint(1, 1);
  bitmapaMouseMove(d->bitmapa, pick.x(), pick.y());
}

void TMainZorna::bitmapaDragDrop(QObject*, const QString& file, int x, int y) {
  Bitmap& screen = d->bitmapa->MutablePicture();
  if (x < 0 || y < 0 || x >= screen.Width() || y >= screen.Height()) return;
  // Only the part that fits on the screen picture is decoded, as for a picture placed from a
  // file: a huge photograph costs no more than a screenful.
  const Bitmap picture =
      ReadPictureRegion(file.toStdString(), screen.Width() - x, screen.Height() - y);
  BitBlt(screen, x, y, picture.Width(), picture.Height(), picture, 0, 0, SRCCOPY);
  d->bitmapa->Changed();
  // The pointer is over the dropped picture: the pick shows its corner at once.
  bitmapaMouseMove(d->bitmapa, x, y);
}

}  // namespace zorna::app
