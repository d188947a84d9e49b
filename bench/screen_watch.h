// Watching the private X server's screen from outside a program: the start-up benchmark times a
// program that cannot say when it has painted (Flameshot) by what appears on the screen.
#pragma once
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace zorna::bench {

class ScreenWatch {
 public:
  explicit ScreenWatch(const std::string& display) {
    connection_ = xcb_connect(display.c_str(), nullptr);
    if (xcb_connection_has_error(connection_)) {
      error_ = "cannot connect to the X server " + display;
      return;
    }
    screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
  }
  ~ScreenWatch() { xcb_disconnect(connection_); }
  ScreenWatch(const ScreenWatch&) = delete;
  ScreenWatch& operator=(const ScreenWatch&) = delete;

  const std::string& Error() const { return error_; }

  // Makes the picture (0x00RRGGBB, row by row) the root window's background, so that a program
  // that copies the screen copies what the others show from their picture file.
  void SetBackground(int width, int height, const std::vector<uint32_t>& pixels) {
    if (!error_.empty()) return;
    const xcb_pixmap_t pixmap = xcb_generate_id(connection_);
    xcb_create_pixmap(connection_, screen_->root_depth, pixmap, screen_->root,
                      static_cast<uint16_t>(width), static_cast<uint16_t>(height));
    const xcb_gcontext_t gc = xcb_generate_id(connection_);
    xcb_create_gc(connection_, gc, pixmap, 0, nullptr);
    // In bands, each well within the server's longest request.
    constexpr int kBand = 64;
    for (int y = 0; y < height; y += kBand) {
      const int rows = std::min(kBand, height - y);
      xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc,
                    static_cast<uint16_t>(width), static_cast<uint16_t>(rows), 0,
                    static_cast<int16_t>(y), 0, screen_->root_depth,
                    static_cast<uint32_t>(width * rows * 4),
                    reinterpret_cast<const uint8_t*>(pixels.data() + y * width));
    }
    xcb_change_window_attributes(connection_, screen_->root, XCB_CW_BACK_PIXMAP, &pixmap);
    xcb_clear_area(connection_, 0, screen_->root, 0, 0, 0, 0);
    xcb_free_gc(connection_, gc);
    xcb_free_pixmap(connection_, pixmap);  // the root keeps it
    xcb_flush(connection_);
  }

  // What the screen shows at a few points: the framebuffer as it is, whichever window covers it.
  template <size_t N>
  std::array<uint32_t, N> Sample(const std::array<std::pair<int, int>, N>& points) {
    std::array<xcb_get_image_cookie_t, N> asked;
    for (size_t i = 0; i < N; ++i) {
      asked[i] = xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, screen_->root,
                               static_cast<int16_t>(points[i].first),
                               static_cast<int16_t>(points[i].second), 1, 1, ~0u);
    }
    std::array<uint32_t, N> seen{};
    for (size_t i = 0; i < N; ++i) {
      xcb_get_image_reply_t* reply = xcb_get_image_reply(connection_, asked[i], nullptr);
      if (!reply) continue;
      if (xcb_get_image_data_length(reply) >= 4) {
        std::memcpy(&seen[i], xcb_get_image_data(reply), 4);
        seen[i] &= 0xFFFFFF;
      }
      std::free(reply);
    }
    return seen;
  }

 private:
  xcb_connection_t* connection_ = nullptr;
  xcb_screen_t* screen_ = nullptr;
  std::string error_;
};

}  // namespace zorna::bench
