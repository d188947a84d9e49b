#include "svg_picture.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <memory>
#include <string>

#include "support/error.h"

namespace zornatool {
namespace {

struct ObjectUnref {
  void operator()(RsvgHandle* handle) const { g_object_unref(handle); }
};
struct SurfaceDestroy {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CairoDestroy {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

[[noreturn]] void Fail(const std::filesystem::path& path, GError* error) {
  const std::string why = error != nullptr ? error->message : "it cannot be rendered";
  if (error != nullptr) g_error_free(error);
  throw zorna::Error("Cannot render " + path.string() + ": " + why);
}

}  // namespace

zorna::Bitmap RenderSvgPicture(const std::filesystem::path& path, int side) {
  GError* error = nullptr;
  const std::unique_ptr<RsvgHandle, ObjectUnref> handle(
      rsvg_handle_new_from_file(path.c_str(), &error));
  if (!handle) Fail(path, error);
  const std::unique_ptr<cairo_surface_t, SurfaceDestroy> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, side, side));
  const std::unique_ptr<cairo_t, CairoDestroy> cr(cairo_create(surface.get()));
  const RsvgRectangle viewport{0, 0, static_cast<double>(side), static_cast<double>(side)};
  if (!rsvg_handle_render_document(handle.get(), cr.get(), &viewport, &error)) Fail(path, error);
  cairo_surface_flush(surface.get());
  const unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  zorna::Bitmap picture(side, side);
  for (int y = 0; y < side; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < side; ++x) {
      // Premultiplied alpha: over white, each channel gains what the alpha leaves uncovered.
      const uint32_t argb = row[x];
      const int uncovered = 255 - static_cast<int>(argb >> 24);
      auto channel = [&](int shift) {
        return static_cast<uint8_t>(
            std::min(255, static_cast<int>((argb >> shift) & 0xFF) + uncovered));
      };
      picture.SetPixel(x, y, zorna::Rgb(channel(16), channel(8), channel(0)));
    }
  }
  return picture;
}

}  // namespace zornatool
