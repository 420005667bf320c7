// Element records: the 90-byte "VT" header compared whole for a table of element rows, unknown
// kinds, the overflow paths that fail an element, and the four shapes "RC", "LI", "EL", "RR".
#include <gtest/gtest.h>

#include "base/RuntimeError.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {
// Every element stands at (10, 20) with a size of 30 x 40 on a 320-pixel screen (offset
// 6410 = 0a 19 00 00) unless its row says otherwise.
const Columns kPlacement = {{"DisplayID", 1}, {"Xs", 10}, {"Ys", 20}, {"Dx", 30}, {"Dy", 40}};

// Bytes 8-21: touch, keypad success, visible, reserved, enabled, reserved, highlight.
constexpr const char* kNoOperands = "ff ff  ff ff  ff ff  00 00  ff ff  00 00  ff ff";
// Geometry blocks: width, height, offset, colour, companion, border width, 3D flag.
constexpr const char* kBox0 = "1e 00 28 00  0a 19 00 00  00 08  00 00";
constexpr const char* kBox3 = "1e 00 28 00  0a 19 00 00  03 0b  00 00";       // colour 3
constexpr const char* kBox9 = "1e 00 28 00  0a 19 00 00  09 0f  00 00";       // colour 9
constexpr const char* kBoxNoBack = "1e 00 28 00  0a 19 00 00  ff 00  00 00";  // colour -1
constexpr const char* kTouch5 = "05 00  ff ff  ff ff  00 00  ff ff  00 00  ff ff";
// Bytes 52-61: variable operand present, reserved, operand block.
constexpr const char* kNoVariable = "00 00  00 00 00 00 00 00 00 00";
constexpr const char* kNoOperandBlock = "01 00  00 00 ff ff 00 00 00 00";  // type 0, address -1

struct HeaderCase {
  const char* name;
  Columns columns;
  // Bytes 0-7: tag, download type, variable flag, touch kind, tab index, background mode,
  // linked variable flag.
  const char* head;
  const char* variable = kNoVariable;  // bytes 52-61
  const char* operands = kNoOperands;  // bytes 8-21
  const char* normal = kBox0;          // bytes 40-51
  const char* touched = kBox0;         // bytes 62-73
  const char* foreTouched = "00";      // byte 74
};

// The whole header from its parts; only the reserved runs are fixed here.
std::string Header(const HeaderCase& c) {
  return Hx({c.head, c.operands, "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  // 22-39", c.normal,
             c.variable, c.touched, c.foreTouched, "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  // 75-89"});
}

const char* kSwitch = R"({"IsSwitch": true})";
// The least a trend needs to compile: a point spacing.
const char* const kTrendBlob = R"({"GetPointSpacing": 1})";
const char* kNoSwitch = R"({"IsSwitch": false})";

// clang-format off
const HeaderCase kHeaders[] = {
  // Touch kinds.
  {"NoTouch", {{"Type", 1}}, "56 54  21 00 00 ff 00 00"},
  {"TouchMinus2", {{"Type", 1}, {"TouchOprndAddr", -2}}, "56 54  21 00 02 ff 00 00"},
  {"Touch5", {{"Type", 1}, {"TouchOprndAddr", 5}}, "56 54  21 00 01 ff 00 00", kNoVariable, kTouch5},
  {"TouchAbove65535", {{"Type", 1}, {"TouchOprndAddr", 70000}}, "56 54  21 00 01 ff 00 00", kNoVariable,
   "70 11  ff ff  ff ff  00 00  ff ff  00 00  ff ff"},
  {"TextBoxTouchSameColours",
   {{"Type", 4}, {"TouchOprndAddr", 5}, {"ColorBack", 3}, {"ColorFore", 4}, {"ColorBackTouch", 3}, {"ColorForeTouch", 4}},
   "56 54  18 00 01 ff 00 00", kNoVariable, kTouch5, kBox3, kBox3, "04"},
  {"ButtonTouchOtherBack",
   {{"Type", 11}, {"TouchOprndAddr", 5}, {"ColorBack", 3}, {"ColorFore", 4}, {"ColorBackTouch", 9}, {"ColorForeTouch", 4}},
   "56 54  15 00 08 ff 00 00", kNoVariable, kTouch5, kBox3, kBox9, "04"},
  {"ButtonTouchOtherFore",
   {{"Type", 11}, {"TouchOprndAddr", 5}, {"ColorBack", 3}, {"ColorFore", 4}, {"ColorBackTouch", 3}, {"ColorForeTouch", 6}},
   "56 54  15 00 08 ff 00 00", kNoVariable, kTouch5, kBox3, kBox3, "06"},
  {"TextBoxTouchedColoursWithoutTouch",
   {{"Type", 4}, {"ColorBack", 3}, {"ColorFore", 4}, {"ColorBackTouch", 9}, {"ColorForeTouch", 6}},
   "56 54  18 00 00 ff 00 00", kNoVariable, kNoOperands, kBox3, kBox9, "06"},
  {"ShapeTouchedStateIsItsNormalState",
   {{"Type", 6}, {"ColorBack", 3}, {"ColorFore", 4}, {"ColorBackTouch", 9}, {"ColorForeTouch", 6}},
   "56 54  26 00 00 ff 00 00", kNoVariable, kNoOperands, kBox3, kBox3, "04"},
  {"PictureButtonSwitch", {{"Type", 5}, {"VarType", 1}, {"Binary", kSwitch}, {"VarOprndType", 1}, {"VarOprndAddr", 12}},
   "56 54  01 01 06 ff 00 00", "01 00  01 00 0c 00 00 00 00 00"},
  {"TextButtonSwitch", {{"Type", 5}, {"VarType", 2}, {"Binary", kSwitch}, {"VarOprndType", 1}, {"VarOprndAddr", 12}},
   "56 54  02 01 06 ff 03 00", "01 00  01 00 0c 00 00 00 00 00"},
  {"ButtonNotSwitchKeepsItsTouch",
   {{"Type", 5}, {"VarType", 1}, {"Binary", kNoSwitch}, {"TouchOprndAddr", 5}, {"VarOprndType", 1}, {"VarOprndAddr", 12}},
   "56 54  01 01 01 ff 00 00", "01 00  01 00 0c 00 00 00 00 00", kTouch5},
  {"TrendGraph", {{"Type", 5}, {"VarType", 23}, {"Binary", kTrendBlob}}, "56 54  24 01 05 ff 02 00", kNoOperandBlock},
  {"TrendScaleOverridesTouchMinus2", {{"Type", 5}, {"VarType", 27}, {"TouchOprndAddr", -2}, {"Binary", kTrendBlob}}, "56 54  2a 01 09 ff 02 00",
   kNoOperandBlock},
  {"VarType28", {{"Type", 5}, {"VarType", 28}}, "56 54  2b 01 0a ff 00 00", kNoOperandBlock},
  {"EntryText", {{"Type", 5}, {"VarType", 30}}, "56 54  2e 01 07 ff 00 00", kNoOperandBlock},
  {"EntryFieldMode2", {{"Type", 5}, {"VarType", 6}, {"Binary", R"({"EntryMode": 2})"}, {"TouchOprndAddr", -2}},
   "56 54  1b 01 03 ff 00 00", kNoOperandBlock},
  {"EntryFieldMode4", {{"Type", 5}, {"VarType", 6}, {"Binary", R"({"EntryMode": 4})"}, {"TouchOprndAddr", -2}},
   "56 54  1b 01 03 ff 00 00", kNoOperandBlock},
  {"EntryFieldMode1", {{"Type", 5}, {"VarType", 6}, {"Binary", R"({"EntryMode": 1})"}, {"TouchOprndAddr", -2}},
   "56 54  1b 01 02 ff 00 00", kNoOperandBlock},
  {"EntryFieldMode2WithoutTouch", {{"Type", 5}, {"VarType", 6}, {"Binary", R"({"EntryMode": 2})"}},
   "56 54  06 01 00 ff 00 00", kNoOperandBlock},
  {"TextFieldTouchMinus2", {{"Type", 5}, {"VarType", 15}, {"TouchOprndAddr", -2}}, "56 54  29 01 07 ff 00 01",
   kNoOperandBlock},
  {"TextField", {{"Type", 5}, {"VarType", 15}}, "56 54  0f 01 00 ff 00 01", kNoOperandBlock},
  {"ClockTouchMinus2", {{"Type", 5}, {"VarType", 5}, {"TouchOprndAddr", -2}}, "56 54  1a 01 02 ff 00 00",
   kNoOperandBlock},
  {"NumericTouch5", {{"Type", 5}, {"VarType", 8}, {"TouchOprndAddr", 5}}, "56 54  08 01 01 ff 00 00", kNoOperandBlock,
   kTouch5},
  {"RectangleWithVarType", {{"Type", 1}, {"VarType", 7}}, "56 54  21 01 00 ff 00 00", kNoOperandBlock},
  {"UnusedVarType", {{"Type", 5}, {"VarType", 10}}, "56 54  00 01 00 ff 00 00", kNoOperandBlock},
  // Background modes.
  {"NoBackColour", {{"Type", 1}, {"ColorBack", -1}}, "56 54  21 00 00 ff 01 00", kNoVariable, kNoOperands, kBoxNoBack,
   kBoxNoBack},
  {"Meter", {{"Type", 5}, {"VarType", 21}}, "56 54  23 01 00 ff 01 00", kNoOperandBlock},
  {"FramedPicture", {{"Type", 5}, {"VarType", 22}}, "56 54  22 01 00 ff 01 00", kNoOperandBlock},
  {"BarGraph", {{"Type", 5}, {"VarType", 9}, {"Binary", R"({"GetBarSetting1": 1})"}}, "56 54  09 01 00 ff 02 00", kNoOperandBlock},
  {"CellLayout", {{"Type", 5}, {"VarType", 24}}, "56 54  25 01 00 ff 02 00", kNoOperandBlock},
  {"PointList", {{"Type", 5}, {"VarType", 25}}, "56 54  28 01 00 ff 02 00", kNoOperandBlock},
  {"TextListWithoutBackColour", {{"Type", 5}, {"VarType", 3}, {"ColorBack", -1}}, "56 54  03 01 00 ff 03 00",
   kNoOperandBlock, kNoOperands, kBoxNoBack, kBoxNoBack},
  {"OperandTextList", {{"Type", 5}, {"VarType", 11}}, "56 54  0b 01 00 ff 03 00", kNoOperandBlock},
  {"RangedNumericTouchMinus2", {{"Type", 5}, {"VarType", 29}, {"TouchOprndAddr", -2}}, "56 54  2d 01 02 ff 03 00",
   kNoOperandBlock},
  // Borders: the normal state from Flat3D, the touched state swaps the two 3D looks.
  {"Flat3D1", {{"Type", 1}, {"Flat3D", 1}}, "56 54  21 00 00 ff 00 00", kNoVariable, kNoOperands,
   "1e 00 28 00  0a 19 00 00  00 08  02 00", "1e 00 28 00  0a 19 00 00  00 08  02 01"},
  {"Flat3D2", {{"Type", 1}, {"Flat3D", 2}}, "56 54  21 00 00 ff 00 00", kNoVariable, kNoOperands,
   "1e 00 28 00  0a 19 00 00  00 08  01 00", "1e 00 28 00  0a 19 00 00  00 08  01 00"},
  {"Flat3D3", {{"Type", 1}, {"Flat3D", 3}}, "56 54  21 00 00 ff 00 00", kNoVariable, kNoOperands,
   "1e 00 28 00  0a 19 00 00  00 08  02 01", "1e 00 28 00  0a 19 00 00  00 08  02 00"},
  {"Flat3D4", {{"Type", 1}, {"Flat3D", 4}}, "56 54  21 00 00 ff 01 00", kNoVariable, kNoOperands,
   "1e 00 28 00  0a 19 00 00  00 08  01 00", "1e 00 28 00  0a 19 00 00  00 08  01 00"},
  {"Flat3DOther", {{"Type", 1}, {"Flat3D", 7}}, "56 54  21 00 00 ff 00 00", kNoVariable, kNoOperands,
   "1e 00 28 00  0a 19 00 00  00 08  01 00", "1e 00 28 00  0a 19 00 00  00 08  01 00"},
  // Operand addresses and the variable operand.
  {"OperandAddresses",
   {{"Type", 1}, {"KeypadSuccessOpAddr", -2}, {"VisibleOpAddr", 70000}, {"EnabledOpAddr", 7}, {"HighlightOpAddr", 65535}},
   "56 54  21 00 00 ff 00 00", kNoVariable, "ff ff  fe ff  70 11  00 00  07 00  00 00  ff ff"},
  {"FrameLinkedToAnInteger", {{"Type", 12}, {"VarOprndType", 2}, {"VarOprndAddr", 300}}, "56 54  16 01 00 ff 00 01",
   "01 00  02 00 2c 01 00 00 00 00"},
  {"TextBoxWithTextAddressOnly", {{"Type", 4}, {"VarOprndAddr", 5}}, "56 54  18 00 00 ff 00 01"},
  {"NumericAddressAbove65535", {{"Type", 5}, {"VarType", 8}, {"VarOprndType", 3}, {"VarOprndAddr", 70000}},
   "56 54  08 01 00 ff 00 00", "01 00  03 00 70 11 00 00 00 00"},
  {"NumericConstant", {{"Type", 5}, {"VarType", 8}, {"VarOprndType", 34}, {"VarOprndAddr", -1}},
   "56 54  08 01 00 ff 00 00", "01 00  22 00 ff ff ff ff 00 00"},
  {"TabIndex7", {{"Type", 1}, {"TabIndex", 7}}, "56 54  21 00 00 07 00 00"},
};
// clang-format on

// Module "Main" with display 1 "Setup".
class ElementRecords : public ::testing::Test {
 protected:
  ElementRecords() {
    project.AddModule("Main");
    project.AddDisplay({{"ModuleID", 1}, {"Description", "Setup"}});
    project.Insert("tblFonts", {{"FontNumber", 1}});  // the trends' buttons read the first font
  }
  TestProject project;
};

class ElementHeader : public ElementRecords, public ::testing::WithParamInterface<HeaderCase> {};

TEST_P(ElementHeader, WholeHeader) {
  Bytes record = project.Compiler().ElementRecord(project.AddElement(With(kPlacement, GetParam().columns)));
  ASSERT_GE(record.size(), 90u);
  EXPECT_EQ(Hex(Bytes(record.begin(), record.begin() + 90)), Header(GetParam()));
  EXPECT_TRUE(project.Notices().empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, ElementHeader, ::testing::ValuesIn(kHeaders),
                         [](const auto& info) { return std::string(info.param.name); });

// A Type without a kind: both message boxes, and the bare header with download type 0.
TEST_F(ElementRecords, UnknownTypeIsTheHeaderAloneAfterTwoMessageBoxes) {
  for (int32_t type : {0, 8, 9, 13}) {
    project.Notices().clear();
    int32_t id = project.AddElement(With(kPlacement, {{"Type", type}}));
    EXPECT_EQ(Hex(project.Compiler().ElementRecord(id)), Header({"", {}, "56 54  00 00 00 ff 00 00"})) << type;
    EXPECT_EQ(project.Notices(), (std::vector<std::string>{"mdlServices: Need to implement GetDownloadVariableType",
                                                           "Need to implement: prvGetVariableDataByType"}))
        << type;
  }
}

// VarTypes without a kind: no kind bytes and no message.
TEST_F(ElementRecords, VarTypeWithoutAKindIsNinetyBytesSilently) {
  for (int32_t varType : {0, 10, 14, 17, 18, 26, 31, -1}) {
    int32_t id = project.AddElement({{"DisplayID", 1}, {"Type", 5}, {"VarType", varType}});
    EXPECT_EQ(project.Compiler().HmiElementSize(id), 90) << varType;
  }
  EXPECT_TRUE(project.Notices().empty());
}

struct OverflowCase {
  const char* name;
  Columns columns;
};

// A value that does not fit its field fails the element with "Overflow", naming it.
const OverflowCase kOverflows[] = {
    {"PenWidth300", {{"Type", 1}, {"PenWidth", 300}}},
    {"LinePenWidthMinus1", {{"Type", 2}, {"PenWidth", -1}}},
    {"ColorForeMinus1OnEllipse", {{"Type", 6}, {"ColorFore", -1}}},
    {"ColorForeMinus1OnRoundRect", {{"Type", 7}, {"ColorFore", -1}}},
    {"ColorFore256OnRectangle", {{"Type", 1}, {"ColorFore", 256}}},
    {"TabIndex300", {{"Type", 1}, {"TabIndex", 300}}},
    {"TabIndexMinus1", {{"Type", 1}, {"TabIndex", -1}}},
    {"OffsetOutside32Bits", {{"Type", 1}, {"Ys", 10000000}}},
    {"RectangleEdgeOutside32Bits", {{"Type", 1}, {"Xs", 2147483647}, {"Ys", -1}, {"Dx", 10}, {"PenWidth", 0}}},
};

class ElementOverflow : public ElementRecords, public ::testing::WithParamInterface<OverflowCase> {};

TEST_P(ElementOverflow, NamesTheElement) {
  int32_t id = project.AddElement(With({{"DisplayID", 1}, {"GUID", 1042}, {"Dx", 30}, {"Dy", 40}}, GetParam().columns));
  RuntimeError e = ErrorOf([&] { project.Compiler().CompileHmiElement(id); });
  std::string where = "element " + std::to_string(id) + " (GUID 1042) on display 1";
  EXPECT_EQ(e.Text(), "Overflow");
  EXPECT_EQ(e.Where(), std::vector<std::string>{where});
  EXPECT_TRUE(e.Describe().starts_with("Overflow ") && e.Describe().ends_with(" in " + where)) << e.Describe();
  EXPECT_EQ(project.UnitHex(1042), "");
}

INSTANTIATE_TEST_SUITE_P(Cases, ElementOverflow, ::testing::ValuesIn(kOverflows),
                         [](const auto& info) { return std::string(info.param.name); });

// The header of a shape at (10, 20) of size 30 x 40 (or as given), fore colour 5.
std::string ShapeHeader(const char* downloadType, const char* size = "1e 00 28 00") {
  std::string head = std::string("56 54 ") + downloadType + " 00 00 ff 00 00";
  std::string box = std::string(size) + " 0a 19 00 00  00 08  00 00";
  return Header({"", {}, head.c_str(), kNoVariable, kNoOperands, box.c_str(), box.c_str(), "05"});
}

struct ShapeCase {
  const char* name;
  Columns columns;
  std::string expected;
};

// The four shapes "RC", "LI", "EL" and "RR" as whole records. Box blocks: width, height,
// top-left offset on a 320-pixel screen.
// clang-format off
const ShapeCase kShapes[] = {
  {"Rectangle", {{"Type", 1}, {"PenWidth", 1}}, ShapeHeader("21") + " " + Hx({
     "52 43  05  01            // RC, colour 5, pen width 1",
     "1e 00 00 00  0a 19 00 00  // top: 30 wide at (10, 20)",
     "00 00 28 00  27 19 00 00  // right: 40 high at (39, 20)",
     "1e 00 00 00  ca 49 00 00  // bottom: 30 wide at (10, 59)",
     "00 00 28 00  0a 19 00 00  // left: 40 high at (10, 20)"})},
  {"RectanglePenWiderThanItself", {{"Type", 1}, {"PenWidth", 45}}, ShapeHeader("21") + " " + Hx({
     "52 43  05  2d            // pen width 45", "1e 00 00 00  0a 19 00 00  // top",
     "00 00 28 00  fb 18 00 00  // right edge at x = -5, nothing clipped: offset 6395",
     "1e 00 00 00  ca 12 00 00  // bottom at y = 15: offset 4810", "00 00 28 00  0a 19 00 00  // left"})},
  {"Line", {{"Type", 2}, {"PenWidth", 0}, {"Dy", 0}}, ShapeHeader("20", "1e 00 00 00") + " " + Hx({
     "4c 49  05  00             // LI, colour 5, pen width 0",
     "1e 00 00 00  0a 19 00 00  28 19 00 00  // 30 wide from (10, 20) to (40, 20)", "00 00 00 00 00 00 00 00"})},
  {"LineSlantedBack", {{"Type", 2}, {"PenWidth", 3}, {"Dx", -5}, {"Dy", -3}}, ShapeHeader("20", "fb ff fd ff") + " " +
   Hx({"4c 49  05  03", "ff ff ff ff  0a 19 00 00  45 15 00 00  // slanted, from (10, 20) to (5, 17)",
       "00 00 00 00 00 00 00 00"})},
  {"Ellipse", {{"Type", 6}}, ShapeHeader("26") + " " + Hx({
     "45 4c  05  ff             // EL, colour 5, fixed ff", "1e 00 28 00  0a 19 00 00  // bounding box",
     "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"})},
  {"RoundRect", {{"Type", 7}}, ShapeHeader("27") + " " + Hx({
     "52 52  05  ff             // RR, colour 5, fixed ff", "1e 00 28 00  0a 19 00 00  // bounding box",
     "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"})},
};
// clang-format on

class Shape : public ElementRecords, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(Shape, WholeRecordStored) {
  int32_t id = project.AddElement(With(kPlacement, With({{"GUID", 300}, {"ColorFore", 5}}, GetParam().columns)));
  project.Compiler().CompileHmiElement(id);
  EXPECT_EQ(project.UnitHex(300), GetParam().expected);
  EXPECT_EQ(project.Compiler().HmiElementSize(id), static_cast<int32_t>(GetParam().expected.size() + 1) / 3);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Shape, ::testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::string(info.param.name); });

// An ellipse and a rounded rectangle keep their length whatever their size.
TEST_F(ElementRecords, EllipseAndRoundRectLengthIsFixed) {
  for (auto [type, length] : {std::pair{6, 130}, std::pair{7, 132}}) {
    for (auto [dx, dy] : {std::pair{0, 0}, std::pair{300, 200}, std::pair{1, 70000}}) {
      int32_t id = project.AddElement({{"DisplayID", 1}, {"Type", type}, {"Dx", dx}, {"Dy", dy}});
      EXPECT_EQ(project.Compiler().HmiElementSize(id), length) << type << ": " << dx << " x " << dy;
    }
  }
}

}  // namespace
}  // namespace brisklet::test
