// Pictures as PNG files and back: pixels come back whole, drawn colours meet their nearest panel
// colour, what is not a picture file is an error naming it; the packed form and CRC of a picture.
#include <cairo.h>
#include <gtest/gtest.h>

#include "support/TestProject.h"
#include "textproject/PictureFiles.h"

namespace brisklet::test {
namespace {

class PictureFiles : public ::testing::Test {
 protected:
  // Every value of `bits` bits once, low byte first.
  static Bytes Every(int bits) {
    Bytes bytes;
    for (uint32_t v = 0; v < 1u << bits; ++v) {
      for (int shift = 0; shift < bits; shift += 8) bytes.push_back(static_cast<uint8_t>(v >> shift));
    }
    return bytes;
  }
};

TEST_F(PictureFiles, APictureComesBackWholeAndItsPngStaysTheSame) {
  const struct {
    const char* name;
    Picture picture;
  } cases[] = {
      {"every colour number, full rows", {8, 16, Every(8)}},
      {"every colour number, a short last row", {8, 10, Every(8)}},
      {"fewer pixels than a row", {8, 5, {7, 200, 16}}},
      {"every 16-bit value, full rows", {16, 256, Every(16)}},
      {"every 16-bit value, a short last row", {16, 1000, Every(16)}},
  };
  for (const auto& c : cases) {
    std::string png = PngOfPicture(c.picture);
    Picture back = PictureOfPng(png, c.picture.bits, "p.png");
    EXPECT_EQ(back.width, c.picture.width) << c.name;
    EXPECT_EQ(Hex(back.pixels), Hex(c.picture.pixels)) << c.name;
    EXPECT_EQ(PngOfPicture(back), png) << c.name;
  }
}

TEST_F(PictureFiles, DrawnColoursBecomeTheNearestPanelColourOrRgb565) {
  const struct {
    uint8_t r, g, b;
    double alpha;
    uint8_t colour;
    uint16_t rgb565;
  } cases[] = {
      {250, 3, 3, 1, 9, 0xF020},        // red, before the cube's red
      {100, 100, 100, 1, 241, 0x632C},  // the grey 98
      {200, 100, 40, 1, 166, 0xC325},   // the cube's (215, 95, 0)
      {130, 126, 131, 1, 8, 0x83F0},    // grey 128, before the grey ramp's
      {0, 0, 1, 1, 16, 0x0000},         // as colour 16 is written
      {0, 0, 2, 1, 0, 0x0000},          // black
      {255, 0, 0, 0.5, 9, 0xF800},      // half transparent: its colour, not a darker one
      {40, 40, 40, 0, 0, 0x0000},       // transparent inside the picture: black
      {10, 200, 250, 1, 45, 0x0E3E},
  };
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(std::size(cases)), 1);
  cairo_t* cr = cairo_create(surface);
  Bytes colours, rgb565;
  for (size_t x = 0; x < std::size(cases); ++x) {
    const auto& c = cases[x];
    cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, c.alpha);
    cairo_rectangle(cr, static_cast<double>(x), 0, 1, 1);
    cairo_fill(cr);
    colours.push_back(c.colour);
    rgb565.insert(rgb565.end(), {static_cast<uint8_t>(c.rgb565), static_cast<uint8_t>(c.rgb565 >> 8)});
  }
  std::string png;
  cairo_surface_write_to_png_stream(
      surface,
      [](void* out, const unsigned char* data, unsigned int length) {
        static_cast<std::string*>(out)->append(reinterpret_cast<const char*>(data), length);
        return CAIRO_STATUS_SUCCESS;
      },
      &png);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  EXPECT_EQ(Hex(PictureOfPng(png, 8, "drawn.png").pixels), Hex(colours));
  EXPECT_EQ(Hex(PictureOfPng(png, 16, "drawn.png").pixels), Hex(rgb565));
}

TEST_F(PictureFiles, WhatIsNotAPictureFileIsAnErrorNamingIt) {
  std::string png = PngOfPicture({8, 4, Bytes(16)});
  auto sized = [&](uint32_t width, uint32_t height) {  // the header alone, of another size
    std::string header = png.substr(0, 33);
    for (int i = 0; i < 8; ++i) header[16 + i] = static_cast<char>((i < 4 ? width : height) >> (24 - 8 * (i % 4)));
    return header;
  };
  const struct {
    std::string bytes;
    int32_t bits;
    const char* error;
  } cases[] = {
      {"GIF89a", 8, "'pictures/7.png' is not a PNG file"},
      {png.substr(0, 60), 8, "'pictures/7.png' is not a readable PNG file"},
      {sized(0, 0), 8, "'pictures/7.png' is 0 x 0 pixels"},
      {sized(40000, 1), 8, "'pictures/7.png' is 40000 x 1 pixels, more than a picture may hold"},
      {sized(6000, 6000), 16, "'pictures/7.png' is 6000 x 6000 pixels, more than a picture may hold"},
      {png, 12, "'pictures/7.png': a picture has 8 or 16 bits, not 12"},
  };
  for (const auto& c : cases) {
    std::string error = ErrorOf([&] { PictureOfPng(c.bytes, c.bits, "pictures/7.png"); }).Describe();
    EXPECT_NE(error.find(c.error), std::string::npos) << error;
  }
}

TEST_F(PictureFiles, AWidthIsAsSquareAsThePixelsAllowAndPixelsArePackedAsTheProjectStoresThem) {
  const std::pair<size_t, uint32_t> widths[] = {{0, 0}, {1, 1}, {6, 3}, {12, 4}, {16, 4}, {17, 17}, {80018, 283}};
  for (auto [count, width] : widths) EXPECT_EQ(WidthForPixels(count), width) << count;
  EXPECT_EQ(PictureCrc({'1', '2', '3', '4', '5', '6', '7', '8', '9'}), -873187034);  // 0xCBF43926
  EXPECT_EQ(Hex(PackPixels(Every(16))), Hex(Compressed(Every(16))));
}

}  // namespace
}  // namespace brisklet::test
