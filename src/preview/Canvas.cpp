// The canvas on a Cairo image surface (24-bit RGB), antialiasing off.
#include "preview/Canvas.h"

#include <cairo.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/RuntimeError.h"

namespace brisklet {

Canvas::Canvas(int32_t width, int32_t height)
    : mWidth(std::max(1, width)),
      mHeight(std::max(1, height)),
      mSurface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, mWidth, mHeight)),
      mCairo(cairo_create(mSurface)) {
  if (cairo_surface_status(mSurface) != CAIRO_STATUS_SUCCESS) {
    std::string why = cairo_status_to_string(cairo_surface_status(mSurface));
    cairo_destroy(mCairo);
    cairo_surface_destroy(mSurface);
    throw RuntimeError("Cannot draw the preview",
                       "a picture of " + std::to_string(mWidth) + " x " + std::to_string(mHeight) + " pixels: " + why);
  }
  cairo_set_antialias(mCairo, CAIRO_ANTIALIAS_NONE);
  cairo_set_line_cap(mCairo, CAIRO_LINE_CAP_SQUARE);
}

Canvas::~Canvas() {
  cairo_destroy(mCairo);
  cairo_surface_destroy(mSurface);
}

void Canvas::SetColour(Rgb colour) {
  PixelsDone();
  cairo_set_source_rgb(mCairo, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
}

void Canvas::Fill(const Box& box, Rgb colour) {
  if (box.width <= 0 || box.height <= 0) return;
  SetColour(colour);
  cairo_rectangle(mCairo, box.x, box.y, box.width, box.height);
  cairo_fill(mCairo);
}

void Canvas::Frame(const Box& box, Rgb colour, int32_t pen) {
  pen = std::max(1, std::min({pen, box.width / 2 + 1, box.height / 2 + 1}));
  Fill({box.x, box.y, box.width, pen}, colour);
  Fill({box.x, box.y + box.height - pen, box.width, pen}, colour);
  Fill({box.x, box.y, pen, box.height}, colour);
  Fill({box.x + box.width - pen, box.y, pen, box.height}, colour);
}

void Canvas::ContrastFrame(const Box& box, int32_t pen) {
  constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255};
  for (int32_t ring = 0; ring < pen && 2 * ring < std::min(box.width, box.height); ++ring) {
    int32_t left = box.x + ring, top = box.y + ring, right = box.x + box.width - 1 - ring,
            bottom = box.y + box.height - 1 - ring;
    auto dash = [&](int32_t x, int32_t y) { Pixel(x, y, ((x + y) / 2 + ring) % 2 == 0 ? kBlack : kWhite); };
    for (int32_t x = left; x <= right; ++x) dash(x, top), dash(x, bottom);
    for (int32_t y = top + 1; y < bottom; ++y) dash(left, y), dash(right, y);
  }
  PixelsDone();
}

void Canvas::ContrastCross(const Box& box) {
  if (box.width <= 0 || box.height <= 0) return;
  int32_t right = box.x + box.width - 1, bottom = box.y + box.height - 1;
  Line(box.x, box.y + 1, right, bottom + 1, {255, 255, 255});
  Line(right, box.y + 1, box.x, bottom + 1, {255, 255, 255});
  Line(box.x, box.y, right, bottom, {0, 0, 0});
  Line(right, box.y, box.x, bottom, {0, 0, 0});
}

void Canvas::Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour, int32_t pen) {
  SetColour(colour);
  cairo_set_line_width(mCairo, std::max(1, pen));
  cairo_move_to(mCairo, x0 + 0.5, y0 + 0.5);
  cairo_line_to(mCairo, x1 + 0.5, y1 + 0.5);
  cairo_stroke(mCairo);
}

void Canvas::Ellipse(const Box& box, Rgb colour, bool filled) {
  if (box.width <= 0 || box.height <= 0) return;
  SetColour(colour);
  cairo_save(mCairo);
  cairo_translate(mCairo, box.x + box.width / 2.0, box.y + box.height / 2.0);
  cairo_scale(mCairo, (box.width - 1) / 2.0, (box.height - 1) / 2.0);
  cairo_arc(mCairo, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(mCairo);  // the pen stays one pixel wide whatever the scale
  cairo_set_line_width(mCairo, 1);
  filled ? cairo_fill(mCairo) : cairo_stroke(mCairo);
}

void Canvas::RoundedBox(const Box& box, int32_t radius, Rgb colour, bool filled) {
  if (box.width <= 0 || box.height <= 0) return;
  SetColour(colour);
  double r = std::clamp<double>(radius, 0, std::min(box.width, box.height) / 2.0);
  double left = box.x + 0.5, top = box.y + 0.5, right = box.x + box.width - 0.5, bottom = box.y + box.height - 0.5;
  cairo_new_sub_path(mCairo);
  cairo_arc(mCairo, right - r, top + r, r, -M_PI / 2, 0);
  cairo_arc(mCairo, right - r, bottom - r, r, 0, M_PI / 2);
  cairo_arc(mCairo, left + r, bottom - r, r, M_PI / 2, M_PI);
  cairo_arc(mCairo, left + r, top + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(mCairo);
  cairo_set_line_width(mCairo, 1);
  filled ? cairo_fill(mCairo) : cairo_stroke(mCairo);
}

void Canvas::Pixel(int32_t x, int32_t y, Rgb colour) {
  if (x < 0 || y < 0 || x >= mWidth || y >= mHeight) return;
  if (!mPixelsPending) cairo_surface_flush(mSurface);
  mPixelsPending = true;
  unsigned char* row = cairo_image_surface_get_data(mSurface) + y * cairo_image_surface_get_stride(mSurface);
  reinterpret_cast<uint32_t*>(row)[x] = (uint32_t{colour.r} << 16) | (uint32_t{colour.g} << 8) | colour.b;
}

void Canvas::PixelsDone() {
  if (!mPixelsPending) return;
  cairo_surface_mark_dirty(mSurface);
  mPixelsPending = false;
}

void Canvas::WritePng(const std::string& path, int32_t scale) const {
  const_cast<Canvas*>(this)->PixelsDone();
  scale = std::max(1, scale);
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, mWidth * scale, mHeight * scale);
  cairo_t* cr = cairo_create(out);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, mSurface, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  // Made in memory and written here, so that a failing write says the system's reason.
  std::string png;
  auto append = [](void* to, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(to)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
  };
  cairo_status_t status = cairo_surface_write_to_png_stream(out, append, &png);
  cairo_destroy(cr);
  cairo_surface_destroy(out);
  if (status != CAIRO_STATUS_SUCCESS) {
    throw RuntimeError("Cannot write the preview ('" + path + "'): " + cairo_status_to_string(status));
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  bool written = file && std::fwrite(png.data(), 1, png.size(), file) == png.size();
  int reason = errno;
  if (file && std::fclose(file) != 0 && written) {
    written = false;
    reason = errno;
  }
  if (!written) throw RuntimeError("Cannot write the preview ('" + path + "'): " + std::strerror(reason));
}

bool ReadPngPixel(const std::string& path, int32_t x, int32_t y, Rgb& colour) {
  cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
  bool inside = cairo_surface_status(png) == CAIRO_STATUS_SUCCESS && x >= 0 && y >= 0 &&
                x < cairo_image_surface_get_width(png) && y < cairo_image_surface_get_height(png);
  if (inside) {
    const unsigned char* row = cairo_image_surface_get_data(png) + y * cairo_image_surface_get_stride(png);
    uint32_t p = reinterpret_cast<const uint32_t*>(row)[x];
    colour = {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8), static_cast<uint8_t>(p)};
  }
  cairo_surface_destroy(png);
  return inside;
}

}  // namespace brisklet
