// Pictures to PNG and back through Cairo's image surfaces: 8-bit pixels through the panel
// palette, 16-bit pixels as RGB565 (docs/host-services.md, "Picture files").
#include "textproject/PictureFiles.h"

#include "preview/PanelImages.h"

#include <cairo.h>
#include <zlib.h>

#include <array>
#include <cmath>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "base/RuntimeError.h"
#include "host/ZlibDecompressor.h"
#include "preview/PanelColours.h"

namespace brisklet {
namespace {

constexpr uint32_t kMaxSide = 32767;  // the widest and highest image surface Cairo makes
constexpr char kReadError[] = "Cannot read picture file";
constexpr char kWriteError[] = "Cannot write picture file";

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

size_t BytesPerPixel(int32_t bits) { return bits == 8 || bits == 16 ? static_cast<size_t>(bits / 8) : 0; }

uint32_t Opaque(Rgb c) { return 0xFF000000u | uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b; }
uint32_t Key(Rgb c) { return Opaque(c) & 0xFFFFFF; }

// The RGB each colour number is written as: its panel colour, except that a colour an earlier
// number already has gets its lowest blue bit flipped (16 is black like 0, 231 white like 15,
// ...), so that every number comes back as itself. No panel colour is one of those.
const std::array<Rgb, 256>& WrittenColours() {
  static const std::array<Rgb, 256> colours = [] {
    std::array<Rgb, 256> written{};
    for (uint32_t i = 0; i < 256; ++i) {
      written[i] = PanelColour(i);
      for (uint32_t j = 0; j < i; ++j) {
        if (PanelColour(j) == written[i]) {
          written[i].b ^= 1;
          break;
        }
      }
    }
    return written;
  }();
  return colours;
}

// The colour number of an RGB: the number written as it, else the nearest panel colour
// (squared distance in RGB; the lowest number of equally near ones). Remembers what it found.
class NearestColour {
 public:
  NearestColour() {
    for (uint32_t i = 0; i < 256; ++i) mKnown.emplace(Key(WrittenColours()[i]), static_cast<uint8_t>(i));
  }
  uint8_t operator()(Rgb c) {
    auto [known, added] = mKnown.emplace(Key(c), 0);
    if (added) {
      int64_t best = INT64_MAX;
      for (uint32_t i = 0; i < 256; ++i) {
        Rgb p = PanelColour(i);
        int64_t dr = c.r - p.r, dg = c.g - p.g, db = c.b - p.b;
        int64_t distance = dr * dr + dg * dg + db * db;
        if (distance < best) {
          best = distance;
          known->second = static_cast<uint8_t>(i);
        }
      }
    }
    return known->second;
  }

 private:
  std::unordered_map<uint32_t, uint8_t> mKnown;
};

// RGB565, low byte first: red in the top five bits, green in the middle six, blue in the low
// five; each widened to 8 bits by repeating its top bits, and narrowed by rounding, which gives
// back every widened value.
Rgb ColourOf565(uint32_t v) {
  uint32_t r = v >> 11, g = v >> 5 & 63, b = v & 31;
  return {static_cast<uint8_t>(r << 3 | r >> 2), static_cast<uint8_t>(g << 2 | g >> 4),
          static_cast<uint8_t>(b << 3 | b >> 2)};
}
uint32_t Rgb565Of(Rgb c) {
  return (c.r * 31u + 127) / 255 << 11 | (c.g * 63u + 127) / 255 << 5 | (c.b * 31u + 127) / 255;
}

uint32_t BigEndian32(std::string_view bytes, size_t at) {
  uint32_t v = 0;
  for (size_t i = at; i < at + 4; ++i) v = v << 8 | static_cast<uint8_t>(bytes[i]);
  return v;
}

// The size a PNG's header gives, checked before Cairo unpacks anything.
void CheckHeader(std::string_view png, size_t bytesPerPixel, const std::string& file) {
  constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
  if (png.size() < 24 || png.substr(0, 8) != kSignature || png.substr(12, 4) != "IHDR") {
    throw RuntimeError(kReadError, "'" + file + "' is not a PNG file");
  }
  uint64_t width = BigEndian32(png, 16), height = BigEndian32(png, 20);
  std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
  if (width == 0 || height == 0) throw RuntimeError(kReadError, "'" + file + "' is " + size + ": it has none");
  if (width > kMaxSide || height > kMaxSide || width * height * bytesPerPixel > ZlibDecompressor::kMaxImageBytes) {
    throw RuntimeError(kReadError, "'" + file + "' is " + size + ", more than a picture may hold (" +
                                       std::to_string(kMaxSide) + " a side, " +
                                       std::to_string(ZlibDecompressor::kMaxImageBytes >> 20) + " MiB of pixels)");
  }
}

// The surface as ARGB32 (Cairo reads some PNGs into other formats).
Surface AsArgb32(Surface surface) {
  cairo_format_t format = cairo_image_surface_get_format(surface.get());
  if (format == CAIRO_FORMAT_ARGB32 || format == CAIRO_FORMAT_RGB24) return surface;
  Surface argb(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(surface.get()),
                                          cairo_image_surface_get_height(surface.get())),
               cairo_surface_destroy);
  cairo_t* cr = cairo_create(argb.get());
  cairo_set_source_surface(cr, surface.get(), 0, 0);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_destroy(cr);
  return argb;
}

}  // namespace

std::string PngOfPicture(const Picture& picture) {
  size_t bpp = BytesPerPixel(picture.bits);
  if (bpp == 0) throw RuntimeError(kWriteError, "a picture has 8 or 16 bits, not " + std::to_string(picture.bits));
  const Bytes& pixels = picture.pixels;
  if (pixels.empty() || pixels.size() % bpp != 0 || picture.width == 0) {
    throw RuntimeError(kWriteError, std::to_string(pixels.size()) + " bytes of " + std::to_string(picture.bits) +
                                        "-bit pixels, " + std::to_string(picture.width) + " a row, make no picture");
  }
  size_t count = pixels.size() / bpp, width = picture.width, height = (count + width - 1) / width;
  if (width > kMaxSide || height > kMaxSide) {
    throw RuntimeError(kWriteError, "a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                                        " pixels is larger than a picture file may be (" + std::to_string(kMaxSide) +
                                        " a side)");
  }
  Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height)),
                  cairo_surface_destroy);
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
    throw RuntimeError(kWriteError, cairo_status_to_string(cairo_surface_status(surface.get())));
  }
  cairo_surface_flush(surface.get());
  uint8_t* data = cairo_image_surface_get_data(surface.get());
  auto stride = static_cast<size_t>(cairo_image_surface_get_stride(surface.get()));
  for (size_t i = 0; i < width * height; ++i) {
    uint32_t argb = 0;  // the padding of a short last row: transparent
    if (i < count) {
      argb = Opaque(bpp == 1 ? WrittenColours()[pixels[i]] : ColourOf565(pixels[2 * i] | pixels[2 * i + 1] << 8));
    }
    std::memcpy(data + i / width * stride + i % width * 4, &argb, 4);
  }
  cairo_surface_mark_dirty(surface.get());
  std::string png;
  cairo_status_t status = cairo_surface_write_to_png_stream(
      surface.get(),
      [](void* out, const unsigned char* bytes, unsigned int length) {
        static_cast<std::string*>(out)->append(reinterpret_cast<const char*>(bytes), length);
        return CAIRO_STATUS_SUCCESS;
      },
      &png);
  if (status != CAIRO_STATUS_SUCCESS) throw RuntimeError(kWriteError, cairo_status_to_string(status));
  return png;
}

Picture PictureOfPng(std::string_view pngBytes, int32_t bits, const std::string& fileForErrors) {
  size_t bpp = BytesPerPixel(bits);
  if (bpp == 0) {
    throw RuntimeError(kReadError, "'" + fileForErrors + "': a picture has 8 or 16 bits, not " + std::to_string(bits));
  }
  CheckHeader(pngBytes, bpp, fileForErrors);
  std::string_view rest = pngBytes;
  Surface surface(cairo_image_surface_create_from_png_stream(
                      [](void* in, unsigned char* bytes, unsigned int length) {
                        auto* unread = static_cast<std::string_view*>(in);
                        if (unread->size() < length) return CAIRO_STATUS_READ_ERROR;
                        std::memcpy(bytes, unread->data(), length);
                        unread->remove_prefix(length);
                        return CAIRO_STATUS_SUCCESS;
                      },
                      &rest),
                  cairo_surface_destroy);
  if (cairo_status_t status = cairo_surface_status(surface.get()); status != CAIRO_STATUS_SUCCESS) {
    throw RuntimeError(kReadError,
                       "'" + fileForErrors + "' is not a readable PNG file: " + cairo_status_to_string(status));
  }
  surface = AsArgb32(std::move(surface));
  cairo_surface_flush(surface.get());
  bool opaque = cairo_image_surface_get_format(surface.get()) == CAIRO_FORMAT_RGB24;
  auto width = static_cast<size_t>(cairo_image_surface_get_width(surface.get()));
  auto height = static_cast<size_t>(cairo_image_surface_get_height(surface.get()));
  auto stride = static_cast<size_t>(cairo_image_surface_get_stride(surface.get()));
  const uint8_t* data = cairo_image_surface_get_data(surface.get());
  auto pixel = [&](size_t i) {
    uint32_t argb;
    std::memcpy(&argb, data + i / width * stride + i % width * 4, 4);
    return opaque ? argb | 0xFF000000u : argb;
  };
  // The padding: transparent pixels ending the bottom row, which keeps at least its first pixel.
  size_t count = width * height;
  while (count > width * (height - 1) + 1 && pixel(count - 1) >> 24 == 0) --count;

  Picture picture{bits, static_cast<uint32_t>(width), {}};
  picture.pixels.reserve(count * bpp);
  NearestColour nearest;
  for (size_t i = 0; i < count; ++i) {
    uint32_t argb = pixel(i), alpha = argb >> 24;
    // Cairo's colours are premultiplied; the panel knows no partial transparency, so a pixel
    // counts with its colour at full opacity (a transparent one as black).
    auto channel = [&](int shift) {
      uint32_t v = argb >> shift & 0xFF;
      return static_cast<uint8_t>(alpha == 0 ? 0 : alpha == 255 ? v : (v * 255 + alpha / 2) / alpha);
    };
    Rgb colour{channel(16), channel(8), channel(0)};
    if (bpp == 1) {
      picture.pixels.push_back(nearest(colour));
    } else {
      uint32_t v = Rgb565Of(colour);
      picture.pixels.push_back(static_cast<uint8_t>(v & 0xFF));
      picture.pixels.push_back(static_cast<uint8_t>(v >> 8));
    }
  }
  return picture;
}

// The preview lays out a picture without a known width the same way.
uint32_t WidthForPixels(size_t count) { return PanelImages::WidthForPixels(count); }

Bytes PackPixels(const Bytes& pixels) {
  uLongf size = compressBound(static_cast<uLong>(pixels.size()));
  Bytes packed(size);
  int rc = compress2(packed.data(), &size, pixels.data(), static_cast<uLong>(pixels.size()), Z_DEFAULT_COMPRESSION);
  if (rc != Z_OK) throw RuntimeError("Cannot pack picture", zError(rc));
  packed.resize(size);
  return packed;
}

int32_t PictureCrc(const Bytes& pixels) {
  return static_cast<int32_t>(static_cast<uint32_t>(crc32_z(0, pixels.data(), pixels.size())));
}

}  // namespace brisklet
