// The parts of the synthetic project shared by its element makers and its writer: the
// screen, the operand ranges, the random numbers, the fonts and pictures, an element row.
#pragma once
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Bytes.h"
#include "database/Value.h"

namespace brisklet::generator {

constexpr int32_t kScreenWidth = 800;
constexpr int32_t kScreenHeight = 480;
constexpr int32_t kDisplaysPerModule = 25;
constexpr int32_t kFirstDisplayGuid = 1000;
// Element GUIDs follow the displays' and fit the 16 bits of a display's element list up to
// 33,535 elements; a larger project has element GUIDs that its displays report as cut.
constexpr int32_t kFirstElementGuid = 32000;
constexpr int32_t kProjectTexts = 24;
constexpr int32_t kLastTabIndex = 250;  // tab indexes travel in one byte; 255 is "none"

// Operand ranges of one display, kept apart so that only the deliberate problems collide.
constexpr int32_t kTouchBase = 100;
constexpr int32_t kDuplicateTouch = 99;
constexpr int32_t kVisibleBase = 11000;
constexpr int32_t kSwitchBase = 22000;
constexpr int32_t kEnabledBase = 33000;
constexpr int32_t kJumpBase = 44000;
constexpr int32_t kValueBase = 55000;  // the variables that values, lists and graphs show

// splitmix64: the same sequence on every platform and standard library.
class Random {
 public:
  explicit Random(uint64_t seed) : mState(seed) {}
  uint64_t Next() {
    uint64_t z = (mState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int32_t Between(int32_t lo, int32_t hi) {
    return lo + static_cast<int32_t>(Next() % static_cast<uint64_t>(int64_t{hi} - lo + 1));
  }
  bool Chance(int32_t percent) { return Between(0, 99) < percent; }
  template <typename T>
  const T& Pick(std::span<const T> items) {
    return items[static_cast<size_t>(Between(0, static_cast<int32_t>(items.size()) - 1))];
  }

 private:
  uint64_t mState;
};

inline const std::string kWords[] = {"Pump",    "Valve",   "Motor",  "Speed",    "Temperature", "Pressure", "Start",
                                     "Stop",    "Reset",   "Alarm",  "Level",    "Tank",        "Mixer",    "Conveyor",
                                     "Heater",  "Fan",     "Door",   "Auto",     "Manual",      "Setpoint", "Recipe",
                                     "Batch",   "Line",    "Oven",   "Cooling",  "Flow",        "Filter",   "Dosing",
                                     "Counter", "Service", "Status", "Cleaning", "Weight",      "Sensor"};

// The two project fonts. Advances are given for the printable ASCII codes 32 to 126.
struct FontRow {
  int32_t number;
  const char* name;
  int32_t pixelSize;
  int32_t lineHeight;
  int32_t ascent;
  int32_t crc;
};
constexpr FontRow kFonts[] = {{1, "Synthetic Sans", 12, 14, 11, 0x1A2B3C4D},
                              {2, "Synthetic Sans Bold", 16, 19, 15, 0x5E6F7081}};

// The advance of a character in a project font, a font's line height, and the width of the
// widest line and the number of lines of a text (lines split at CR LF).
int32_t Advance(int32_t fontNumber, unsigned char c);
int32_t LineHeight(int32_t fontNumber);
void Measure(const std::string& text, int32_t fontNumber, int32_t& width, int32_t& lines);
int32_t FrameMargin(int32_t flat3D);

// The project's pictures: size, bits per pixel, CRC of the pixel data, compressed data.
struct Image {
  Image(int32_t w, int32_t h, int32_t b) : width(w), height(h), bits(b) {}
  int32_t width;
  int32_t height;
  int32_t bits;
  int32_t crc = 0;
  Bytes compressed;
};

std::vector<Image> MakeImages(Random& random);

// One HMI_Elements row and its optional picture.
struct Element {
  int32_t type = 0;
  int32_t varType = 0;
  std::string text;
  int32_t tab = 255;
  int32_t xs = 0, ys = 0, dx = 0, dy = 0;
  int32_t flat3D = 0;
  int32_t colorBack = 0, colorFore = 0, colorBackTouch = 0, colorForeTouch = 0;
  int32_t penWidth = 1;
  int32_t font = 0;
  int32_t descriptionFont = 0;  // the label font of an entry
  int32_t alignment = 0;
  int32_t touch = -1, visible = -1, enabled = -1;
  int32_t varOprndType = 0, varOprndAddr = -1;
  Value binary;
  const Image* image = nullptr;
  int32_t transparency = 0;
};

// What one display hands out while its elements are made.
class DisplayState {
 public:
  DisplayState(int32_t id, Random& random) : mId(id), mRandom(random) {}
  int32_t Id() const { return mId; }
  Random& Rand() { return mRandom; }
  int32_t TakeTab() {
    if (mNextTab > kLastTabIndex) return 255;
    if (mId % 97 == 0 && mNextTab == 3 && !mGapDone) mNextTab += 1, mGapDone = true;  // a gap to renumber
    return mNextTab++;
  }
  int32_t TakeTouch() { return kTouchBase + mTouches++; }
  int32_t TakeVisible() { return kVisibleBase + mVisibles++; }
  int32_t TakeSwitch() { return kSwitchBase + mSwitches++; }
  int32_t TakeEnabled() { return kEnabledBase + mEnables++; }
  int32_t TakeValue() { return kValueBase + mValues++; }
  // A name that no other Type 5 element of the display has.
  std::string UniqueName(const std::string& word) { return word + " " + std::to_string(++mNames); }

 private:
  int32_t mId;
  Random& mRandom;
  int32_t mNextTab = 1;
  bool mGapDone = false;
  int32_t mTouches = 0, mVisibles = 0, mSwitches = 0, mEnables = 0, mValues = 0, mNames = 0;
};

// The kinds of the classic mix.
enum class ClassicKind {
  Rectangle,
  Line,
  Ellipse,
  RoundRect,
  TextBox,
  Frame,
  TextButton,
  Picture,
  VarPicture,
  PictureButton,
  TextSwitch
};

// One generated element of a display in the classic mix, one of a given classic kind (placed
// anywhere on the screen), and the deliberate problems of display 1.
Element MakeElement(DisplayState& d, std::span<const Image> images);
Element MakeClassicKind(DisplayState& d, std::span<const Image> images, ClassicKind kind);
std::vector<Element> Problems();
constexpr int32_t kProblemsTop = 395;  // the problems lie below this line

// Where the elements of an every-kind display go: side by side in rows that fill the screen
// from the top (a skyline of 4-pixel columns), 4 pixels apart, so that no two overlap. A
// display that is full starts a new layer over the first, whose elements take no touch.
class ScreenLayout {
 public:
  explicit ScreenLayout(int32_t height) : mHeight(height) { mSky.fill(0); }
  // The top-left corner for an element of dx x dy (dx, dy >= 0); false when it does not fit.
  bool Take(int32_t dx, int32_t dy, int32_t& xs, int32_t& ys);
  void NewLayer() { mSky.fill(0), ++mLayer; }
  int32_t Layer() const { return mLayer; }

 private:
  static constexpr int32_t kColumn = 4;
  std::array<int32_t, kScreenWidth / kColumn> mSky;
  int32_t mHeight;
  int32_t mLayer = 0;
};

// The every-kind mix: one element of a kind chosen by weight, or of the kind numbered `forced`
// (0 to EveryKindCount() - 1; the first elements of a project go through every kind once).
int32_t EveryKindCount();
Element MakeEveryKindElement(DisplayState& d, ScreenLayout& layout, std::span<const Image> images, int32_t forced);

}  // namespace brisklet::generator
