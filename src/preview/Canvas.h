// A picture of the panel's screen, drawn pixel for pixel as the panel draws it: Cairo with
// antialiasing off, whole-pixel coordinates, written out as PNG.
#pragma once
#include <cstdint>
#include <string>

#include "preview/PanelColours.h"

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

namespace brisklet {

struct Box {
  int32_t x = 0, y = 0, width = 0, height = 0;
};

class Canvas {
 public:
  Canvas(int32_t width, int32_t height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int32_t Width() const { return mWidth; }
  int32_t Height() const { return mHeight; }

  void Fill(const Box& box, Rgb colour);
  // The box's edge, `pen` pixels wide, inside the box.
  void Frame(const Box& box, Rgb colour, int32_t pen = 1);
  // A line of `pen` pixels through the centres of both end pixels, end pixels included.
  void Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, Rgb colour, int32_t pen = 1);
  // The box's edge, `pen` rings wide, inside the box, in dashes of two pixels black and two
  // white, each ring's dashes the other way round from the ring outside it: it stands out on
  // any colour.
  void ContrastFrame(const Box& box, int32_t pen = 1);
  // Both diagonals of the box, each a black line with a white one a pixel below it.
  void ContrastCross(const Box& box);
  void Ellipse(const Box& box, Rgb colour, bool filled);
  void RoundedBox(const Box& box, int32_t radius, Rgb colour, bool filled);
  // Sets one pixel (outside the canvas: nothing); for glyphs drawn from their bitmaps.
  void Pixel(int32_t x, int32_t y, Rgb colour);
  // Marks `Pixel` writes as done before Cairo draws again.
  void PixelsDone();

  // Writes the canvas, each pixel a `scale` x `scale` square; a RuntimeError with the system's
  // reason when the file cannot be written.
  void WritePng(const std::string& path, int32_t scale = 1) const;

 private:
  void SetColour(Rgb colour);
  int32_t mWidth, mHeight;
  cairo_surface_t* mSurface;
  cairo_t* mCairo;
  bool mPixelsPending = false;
};

// The colour of one pixel of a PNG file, for checking a written preview; nothing when the file
// cannot be read or the pixel is outside it.
bool ReadPngPixel(const std::string& path, int32_t x, int32_t y, Rgb& colour);

}  // namespace brisklet
