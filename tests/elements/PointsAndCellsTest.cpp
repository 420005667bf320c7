// The point list "TM" with its drawing-area check, and the cell layout "LG", which shows its
// own failures to the user (message 409).
#include "base/Constants.h"
#include "support/KindFixture.h"

namespace brisklet::test {
namespace {

// A 3D point list (margin 4) at (10, 20): its inner corner (14, 24) is at offset 2414
// (6e 09 00 00). Font 2 is the project's second font (index 1).
class PointList : public KindFixture {
 protected:
  PointList()
      : KindFixture(
            {{"Xs", 10}, {"Ys", 20}, {"Dx", 100}, {"Dy", 60}, {"Flat3D", 1}, {"FontNumber", 2}, {"Text", "Plot"}}) {
    AddTestFont(project, {.number = 1});
    AddTestFont(project, {.number = 2});
    AddImage(3, 0x11111111);
  }
};

Json Plot(Json area = {{"x", 5}, {"y", 6}, {"w", 50}, {"h", 30}}) {
  return {{"GetPlotArea", area},
          {"GetPlotColor", 3},
          {"GetPlotSetting1", 1},
          {"GetPlotSetting2", 2},
          {"GetPlotSetting3", 3},
          {"GetPlotOperand1Type", 2},
          {"GetPlotOperand1Addr", 300},
          {"GetPlotOperand2Type", 3},
          {"GetPlotOperand2Addr", 9},
          {"GetPointCount", 3},
          {"GetPointCoordinates", {{"X", {0, 10, -2}}, {"Y", {0, 5, 1}}}}};
}

TEST_F(PointList, ThreePointsOverTheFirstImage) {
  int32_t id = Add(kVarPointList, Plot());
  project.Insert("ElementsAndImages", {{"Element_ID", id}, {"Image_Index", 1}, {"Image_CRC", 0x11111111}});
  EXPECT_EQ(KindBytes(id), Hx({"54 4d", "6e 09 00 00  00 00  ff ff  03 00  11 11 11 11  // image at the inner corner",
                               "32 00 1e 00  cb 0b 00 00  03 0b  00 01  // area 50 x 30 at (19, 30)", "01  02",
                               "02 00 2c 01 00 00 00 00  03 00 09 00 00 00 00 00",
                               "01  03  03  00          // font index 1, setting 3, three points",
                               "6e 09 00 00  6c 0b 00 00  d0 09 00 00  // (14, 24), (24, 29), (12, 25)",
                               "ff ff ff ff ff ff ff ff ff ff ff ff"}));
  EXPECT_TRUE(project.Messages().messages.empty());
}

TEST_F(PointList, UnknownFontSendsIndexZero) {
  std::string bytes = KindBytes(Add(kVarPointList, Plot(), {{"FontNumber", 9}}));
  EXPECT_EQ(bytes.substr(46 * 3, 2), "00");
  EXPECT_EQ(bytes.substr(2 * 3, 41), "6e 09 00 00 00 00 ff ff 00 00 ff ff ff ff");  // no first image
}

struct AreaCase {
  const char* name;
  int32_t x, y, w, h;
  bool tooSmall;
  friend void PrintTo(const AreaCase& c, std::ostream* os) { *os << c.name; }
};

const AreaCase kAreas[] = {
    {"AtTheInnerCorner", 0, 0, 1, 1, false},
    {"LeftOfTheInnerCorner", -1, 0, 1, 1, true},
    {"AboveTheInnerCorner", 0, -1, 1, 1, true},
    {"NoWidth", 0, 0, 0, 1, true},
    {"NoHeight", 0, 0, 1, 0, true},
    {"NegativeWidth", 0, 0, -5, 1, true},
};

class PointListArea : public PointList, public ::testing::WithParamInterface<AreaCase> {};

TEST_P(PointListArea, TooSmallIsAnErrorWithoutRecord) {
  const AreaCase& c = GetParam();
  std::string bytes = KindBytes(Add(kVarPointList, Plot({{"x", c.x}, {"y", c.y}, {"w", c.w}, {"h", c.h}})));
  if (c.tooSmall) {
    EXPECT_EQ(project.Messages().Texts(), std::vector<std::string>{"Plot is too small."});
    EXPECT_EQ(bytes, "");
  } else {
    EXPECT_TRUE(project.Messages().messages.empty());
    EXPECT_EQ(bytes.substr(16 * 3, 35), "01 00 01 00 6e 09 00 00 03 0b 00 01");
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, PointListArea, ::testing::ValuesIn(kAreas), ByName());

TEST_F(PointList, TooSmallAreaFailsTheElement) {
  int32_t id = Add(kVarPointList, Plot({{"w", 0}}), {{"GUID", 4321}});
  project.Compiler().CompileHmiElement(id);
  ASSERT_EQ(project.Messages().messages.size(), 1u);
  EXPECT_EQ(project.Messages().messages[0].severity, kSeverityError);
  EXPECT_EQ(project.Messages().messages[0].location, "Setup");
  EXPECT_EQ(project.Messages().messages[0].displayId, display);
  EXPECT_EQ(project.UnitHex(4321), "");
  EXPECT_EQ(project.IsCompiled(4321), 0);
}

struct PointFailure {
  const char* name;
  Json changes;
  const char* error;
  friend void PrintTo(const PointFailure& c, std::ostream* os) { *os << c.name; }
};

const PointFailure kPointFailures[] = {
    {"CountBeyondTheCoordinates", {{"GetPointCount", 4}}, "Subscript out of range"},
    {"Count256", {{"GetPointCount", 256}}, "Overflow"},
    {"Setting3Above255", {{"GetPlotSetting3", 256}}, "Overflow"},
    {"CoordinateNotANumber", {{"GetPointCoordinates", {{"X", {"0"}}}}}, "Invalid property data"},
};

class PointListFailure : public PointList, public ::testing::WithParamInterface<PointFailure> {};

TEST_P(PointListFailure, EndsTheCompile) {
  Json plot = Plot();
  plot.update(GetParam().changes);
  EXPECT_EQ(KindBytes(Add(kVarPointList, plot)), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Cases, PointListFailure, ::testing::ValuesIn(kPointFailures), ByName());

// A cell layout framed in 3D (margin 4), 100 x 50 at (20, 30): inner corner (24, 34) at
// offset 3424 (60 0d 00 00), inner size 92 x 42.
class CellLayout : public KindFixture {
 protected:
  CellLayout() : KindFixture({{"Xs", 20}, {"Ys", 30}, {"Dx", 100}, {"Dy", 50}, {"Flat3D", 3}, {"Text", "Cells"}}) {}
};

// Cell 0 at (5, 7) of the element, cell 1 at (256, 2); their other bytes count up.
const Json kTwoCells = {1,  2,  3,  4,  5, 0, 7, 0, 9,  10, 11, 12, 13, 14,
                        21, 22, 23, 24, 0, 1, 2, 0, 29, 30, 31, 32, 33, 34};

struct CellCase {
  const char* name;
  Json blob;
  Columns columns;
  std::string kindBytes;
  friend void PrintTo(const CellCase& c, std::ostream* os) { *os << c.name; }
};

const CellCase kCells[] = {
    {"TwoCellsPlaced",
     {{"GetCellSetting1", 7},
      {"GetCellValue1", 0x500000102},
      {"GetCellValue2", -2},
      {"GetCellSetting2", 8},
      {"GetCellCount", 2},
      {"GetCellEntries", kTwoCells}},
     {},
     Hx({"4c 47  07  00  02 01 00 00  fe ff ff ff  // values: their low four bytes",
         "60 0d 00 00  5c 00  2a 00  08  00  02  00", "01 02 03 04  8d 0e 00 00  09 0a 0b 0c 0d 0e  // (25, 37)",
         "15 16 17 18  94 0d 00 00  1d 1e 1f 20 21 22  // (276, 32)", "ff ff ff ff"})},
    {"NoCells",
     Json::object(),
     {},
     Hx({"4c 47 00 00 00 00 00 00 00 00 00 00 60 0d 00 00 5c 00 2a 00 00 00 00 00 ff ff ff ff"})},
    {"FlatElementHasNoMargin",
     Json::object(),
     {{"Flat3D", 0}},
     Hx({"4c 47 00 00 00 00 00 00 00 00 00 00  cc 0b 00 00  64 00  32 00  00 00 00 00  ff ff ff ff"})},
    {"BytesBeyondTheCountSentUnplaced",
     {{"GetCellCount", 0}, {"GetCellEntries", {1, 2, 3}}},
     {},
     Hx({"4c 47 00 00 00 00 00 00 00 00 00 00 60 0d 00 00 5c 00 2a 00 00 00 00 00", "01 02 03", "ff ff ff ff"})},
};

class CellLayoutRecord : public CellLayout, public ::testing::WithParamInterface<CellCase> {};

TEST_P(CellLayoutRecord, WholeRecord) {
  EXPECT_EQ(KindBytes(Add(kVarCellLayout, GetParam().blob, GetParam().columns)), GetParam().kindBytes);
  EXPECT_TRUE(project.Notices().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, CellLayoutRecord, ::testing::ValuesIn(kCells), ByName());

struct CellFailure {
  const char* name;
  Json blob;
  const char* kindBytes;  // "Overflow" when the count itself did not fit its byte, after the message
  friend void PrintTo(const CellFailure& c, std::ostream* os) { *os << c.name; }
};

const CellFailure kCellFailures[] = {
    {"Setting1Above255", {{"GetCellSetting1", 256}}, ""},
    {"FewerCellsThanTheCount", {{"GetCellCount", 2}, {"GetCellEntries", Json(std::vector<int>(14, 0))}}, ""},
    {"UnknownGetter", {{"GetCellColour", 1}}, ""},
    {"EntryByteAbove255", {{"GetCellEntries", {256}}}, ""},
    {"Count256", {{"GetCellCount", 256}}, "Overflow"},
};

class CellLayoutFailure : public CellLayout, public ::testing::WithParamInterface<CellFailure> {};

TEST_P(CellLayoutFailure, ShownToTheUserWithoutKindBytes) {
  EXPECT_EQ(KindBytes(Add(kVarCellLayout, GetParam().blob)), GetParam().kindBytes);
  EXPECT_EQ(project.Notices(),
            std::vector<std::string>{
                "The cell layout element Cells on display Setup could not be compiled. Please check its settings and "
                "try again."});
  EXPECT_TRUE(project.Messages().messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, CellLayoutFailure, ::testing::ValuesIn(kCellFailures), ByName());

// Nothing is reported, so the bare header is stored as the element's record.
TEST_F(CellLayout, FailedLayoutIsStoredAsTheBareHeader) {
  int32_t id = Add(kVarCellLayout, {{"GetCellSetting1", 256}}, {{"GUID", 4321}});
  project.Compiler().CompileHmiElement(id);
  EXPECT_EQ(project.UnitHex(4321).size(), 90u * 3 - 1);
  EXPECT_EQ(project.Compiler().ErrorCount(), 0);
  EXPECT_EQ(project.Notices().size(), 1u);
}

}  // namespace
}  // namespace brisklet::test
