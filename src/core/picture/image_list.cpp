#include "picture/image_list.h"

#include <algorithm>
#include <stdexcept>

#include "picture/raster.h"

namespace zorna {

ImageList::ImageList(int width, int height, int capacity, int grow_step)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      capacity_(std::max(capacity, 0)),
      grow_step_(std::max(grow_step, 1)) {
  entries_.reserve(static_cast<size_t>(capacity_));
}

ImageList::Entry ImageList::Fit(const Bitmap& picture, const Bitmap* mask) const {
  Entry entry{Bitmap(width_, height_, kWhite), Bitmap(width_, height_, kWhite)};
  BitBlt(entry.picture, 0, 0, width_, height_, picture, 0, 0, SRCCOPY);
  // Only the part of the slot that the picture reaches can be opaque.
  const int reach_x = std::min(width_, picture.Width());
  const int reach_y = std::min(height_, picture.Height());
  for (int y = 0; y < reach_y; ++y) {
    Colorref* row = entry.mask.Row(y);
    for (int x = 0; x < reach_x; ++x) {
      // A colour mask becomes monochrome against white: white is transparent, the rest opaque.
      // Where a smaller mask does not reach, the read gives the invalid colour: transparent.
      if (mask == nullptr) {
        row[x] = kBlack;
      } else {
        const Colorref m = mask->Pixel(x, y);
        row[x] = (m == kWhite || m == kInvalidColor) ? kWhite : kBlack;
      }
    }
  }
  return entry;
}

int ImageList::Add(const Bitmap& picture, const Bitmap* mask) {
  if (Count() == capacity_) {
    capacity_ += grow_step_;
    entries_.reserve(static_cast<size_t>(capacity_));
  }
  entries_.push_back(Fit(picture, mask));
  return Count() - 1;
}

bool ImageList::Replace(int index, const Bitmap& picture, const Bitmap* mask) {
  if (index < 0 || index >= Count()) return false;
  entries_[static_cast<size_t>(index)] = Fit(picture, mask);
  return true;
}

void ImageList::Draw(Bitmap& dst, int x, int y, int index) const {
  if (index < 0 || index >= Count()) return;
  const Entry& entry = entries_[static_cast<size_t>(index)];
  DrawMasked(dst, x, y, entry.picture, entry.mask);
}

const Bitmap& ImageList::Picture(int index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("image list index");
  return entries_[static_cast<size_t>(index)].picture;
}

const Bitmap& ImageList::Mask(int index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("image list index");
  return entries_[static_cast<size_t>(index)].mask;
}

}  // namespace zorna
