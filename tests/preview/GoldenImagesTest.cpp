// Golden images: one element of each record kind and variant of the demo (display and entry
// forms, value elements, graphs, pictures, buttons) drawn alone on its display's background at
// scale 1, cut to its frame, and compared with tests/preview/golden/NAME.png. Pictures match
// when at most 0.5% of their pixels differ by more than 8 in a colour channel. A mismatch writes
// NAME.actual.png and NAME.diff.png (differing pixels red) and names them; with
// BRISKLET_UPDATE_GOLDEN=1 the test writes the goldens instead.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "preview/DisplayPreview.h"
#include "support/CompiledProjects.h"
#include "support/KindFixture.h"
#include "textproject/ProjectFolder.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

constexpr double kMostPixelsDiffering = 0.005;
constexpr int kChannelTolerance = 8;
constexpr int32_t kMargin = 4;  // pixels around the frame, for outlines and labels drawn outside it

const fs::path kGoldenDir = fs::path(BRISKLET_DEMO_DIR) / "../../tests/preview/golden";

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

Surface ReadPng(const fs::path& path) {
  return {cairo_image_surface_create_from_png(path.c_str()), cairo_surface_destroy};
}

// The part `box` of a picture, as a surface of its own.
Surface Cut(cairo_surface_t* from, const Box& box) {
  Surface cut(cairo_image_surface_create(CAIRO_FORMAT_RGB24, box.width, box.height), cairo_surface_destroy);
  cairo_t* cr = cairo_create(cut.get());
  cairo_set_source_surface(cr, from, -box.x, -box.y);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(cut.get());
  return cut;
}

uint32_t PixelOf(cairo_surface_t* s, int x, int y) {
  const unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
  return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
}

bool Near(uint32_t a, uint32_t b) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > kChannelTolerance) return false;
  }
  return true;
}

// The differing pixels of two pictures of one size, painted red into `diff` over a pale copy of `golden`.
int64_t Differing(cairo_surface_t* golden, cairo_surface_t* actual, cairo_surface_t* diff) {
  int64_t count = 0;
  auto* out = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(diff));
  int stride = cairo_image_surface_get_stride(diff) / 4;
  for (int y = 0; y < cairo_image_surface_get_height(golden); ++y) {
    for (int x = 0; x < cairo_image_surface_get_width(golden); ++x) {
      bool near = Near(PixelOf(golden, x, y), PixelOf(actual, x, y));
      count += near ? 0 : 1;
      out[y * stride + x] = near ? 0xFF000000 | ((PixelOf(golden, x, y) >> 1) & 0x7F7F7F) | 0x808080 : 0xFFFF0000;
    }
  }
  cairo_surface_mark_dirty(diff);
  return count;
}

// The demo with its own fonts (DejaVu Sans from its fonts folder), compiled.
CompiledProject& GoldenDemo() {
  static CompiledProject demo("golden-demo.db", [](TestProject& p) {
    ImportResult imported = ImportTextForm(p.Db(), ReadFolder(BRISKLET_DEMO_DIR));
    if (!imported.problems.empty()) throw std::runtime_error(imported.problems.front().Describe());
  });
  return demo;
}

struct GoldenCase {
  const char* name;
  int32_t element;  // the demo element drawn; 0: the display alone
  int32_t display;  // the display alone (element 0)
};
void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.name; }

class GoldenImages : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenImages, MatchTheStoredPicture) {
  const GoldenCase& c = GetParam();
  CompiledProject& demo = GoldenDemo();
  Connection& db = demo.project.Db();
  int32_t displayId =
      c.element
          ? demo.project.Scalar("SELECT DisplayID FROM HMI_Elements WHERE ID=" + std::to_string(c.element)).ToLong()
          : c.display;
  auto display = std::ranges::find(demo.records, displayId, &StoredRecord::displayId);
  ASSERT_NE(display, demo.records.end()) << "display " << displayId << " has no record";
  int32_t height = ScreenHeight(db, demo.context.screenWidth);
  Box cut{0, 0, demo.context.screenWidth, height};
  std::vector<PreviewElement> elements;
  if (c.element) {
    const StoredRecord* record = demo.RecordOf(c.element);
    ASSERT_NE(record, nullptr) << "element " << c.element << " has no record";
    std::istringstream f(
        demo.project.Texts("SELECT Xs, Ys, Dx, Dy FROM HMI_Elements WHERE ID=" + std::to_string(c.element)).at(0));
    Box frame;
    f >> frame.x >> frame.y >> frame.width >> frame.height;
    elements.push_back({record->data, frame, 0});
    int32_t x = std::max(0, frame.x - kMargin), y = std::max(0, frame.y - kMargin);
    cut = {x, y, std::min(cut.width, frame.x + frame.width + kMargin + 1) - x,
           std::min(height, frame.y + frame.height + kMargin + 1) - y};
  }
  PanelFonts fonts(db, demo.context.codePage);
  PanelImages images(db);
  TextTable texts(db);
  fs::path dir = TempPath("golden");
  fs::create_directories(dir);
  fs::path whole = dir / (std::string(c.name) + ".whole.png");
  DrawDisplay(display->data, elements, demo.context, fonts, images, texts, height)->WritePng(whole.string());
  Surface actual = Cut(ReadPng(whole).get(), cut);
  fs::path golden = kGoldenDir / (std::string(c.name) + ".png");
  if (std::getenv("BRISKLET_UPDATE_GOLDEN")) {
    fs::create_directories(kGoldenDir);
    ASSERT_EQ(cairo_surface_write_to_png(actual.get(), golden.c_str()), CAIRO_STATUS_SUCCESS);
    return;
  }
  Surface expected = ReadPng(golden);
  ASSERT_EQ(cairo_surface_status(expected.get()), CAIRO_STATUS_SUCCESS) << "no golden " << golden;
  fs::path stem = dir / c.name;
  bool sameSize = cairo_image_surface_get_width(expected.get()) == cut.width &&
                  cairo_image_surface_get_height(expected.get()) == cut.height;
  int64_t differing = cut.width * int64_t{cut.height};
  if (sameSize) {
    Surface diff(cairo_image_surface_create(CAIRO_FORMAT_RGB24, cut.width, cut.height), cairo_surface_destroy);
    differing = Differing(expected.get(), actual.get(), diff.get());
    cairo_surface_write_to_png(diff.get(), (stem.string() + ".diff.png").c_str());
  }
  if (differing > kMostPixelsDiffering * cut.width * cut.height) {
    cairo_surface_write_to_png(actual.get(), (stem.string() + ".actual.png").c_str());
    FAIL() << c.name << ": " << differing << " of " << cut.width * cut.height << " pixels differ"
           << (sameSize ? "; see " : " (the sizes differ); see ") << stem.string() << ".actual.png"
           << (sameSize ? " and .diff.png" : "");
  }
  fs::remove_all(dir);
}

// One element of each kind and variant the demo holds, and each display's background alone.
// clang-format off
const GoldenCase kCases[] = {
    {"display_home", 0, 1}, {"display_settings", 0, 2}, {"display_alarms", 0, 3}, {"display_process", 0, 5},
    {"display_controls", 0, 7}, {"rectangle_frame", 1, 0}, {"line", 2, 0},
    {"ellipse_lamp", 3, 0}, {"touch_area", 4, 0}, {"static_picture", 5, 0}, {"text_box", 6, 0},
    {"text_box_two_lines", 19, 0}, {"rectangle_3d", 11, 0}, {"text_button_static", 8, 0}, {"text_field_static", 9, 0},
    {"picture_switch", 10, 0}, {"rectangle_touch", 12, 0}, {"ellipse_touch_hide", 13, 0}, {"picture_list", 14, 0},
    {"number", 15, 0}, {"number_with_label", 21, 0}, {"number_ranges", 22, 0}, {"number_ranges_limit", 23, 0},
    {"timer", 24, 0}, {"timer_delay", 25, 0}, {"clock", 26, 0}, {"date", 27, 0},
    {"bar_graph", 60, 0}, {"meter", 61, 0}, {"trend", 63, 0},
    {"trend_batch", 65, 0}, {"picture_button", 70, 0}, {"text_button", 71, 0}, {"text_list", 72, 0},
    {"picture_list_state", 73, 0}, {"text_list_fault", 74, 0}, {"picture_list_fan", 75, 0}, {"framed_picture", 76, 0},
    {"point_list", 77, 0}, {"cell_layout", 79, 0}, {"entry_field_picker", 90, 0}, {"entry_field_number", 91, 0},
    {"entry_field_month", 92, 0}, {"string_entry", 94, 0},
    {"text_field", 96, 0}, {"text_field_recipe", 97, 0}, {"entry_password", 98, 0}, {"string_entry_id", 99, 0},
    {"entry_text_name", 100, 0}, {"entry_text_view", 101, 0},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Demo, GoldenImages, ::testing::ValuesIn(kCases), ByName{});

}  // namespace
}  // namespace brisklet::test
