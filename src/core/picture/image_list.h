#pragma once
#include <vector>

#include "picture/bitmap.h"

namespace zorna {

// A list of same-sized pictures, each with a monochrome mask: black mask pixels are drawn,
// white ones leave the destination alone. It grows by a fixed step once its capacity is used.
class ImageList {
 public:
  ImageList(int width, int height, int capacity = 24, int grow_step = 4);

  // Adds a picture and returns its index. A picture of another size is cut to the slot from
  // its top-left corner; any part of the slot it does not reach stays transparent. With no
  // mask the picture is opaque; a colour mask counts its white pixels as transparent.
  int Add(const Bitmap& picture, const Bitmap* mask = nullptr);
  // Puts a picture into an existing slot, fitted as by Add. Returns false (and changes
  // nothing) for an index outside the list.
  bool Replace(int index, const Bitmap& picture, const Bitmap* mask = nullptr);

  // Draws the picture at (x, y) through its mask, clipped to dst; an index outside the list
  // draws nothing.
  void Draw(Bitmap& dst, int x, int y, int index) const;

  // Throw std::out_of_range for an index outside the list.
  const Bitmap& Picture(int index) const;
  const Bitmap& Mask(int index) const;

  int Count() const { return static_cast<int>(entries_.size()); }
  int Capacity() const { return capacity_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  struct Entry {
    Bitmap picture;
    Bitmap mask;
  };
  Entry Fit(const Bitmap& picture, const Bitmap* mask) const;

  int width_;
  int height_;
  int capacity_;
  int grow_step_;
  std::vector<Entry> entries_;
};

}  // namespace zorna
