// The graphs: bar graph "BG", meter "MG" and the trend graphs "TR" and "TS", as kind bytes
// behind the 90-byte header. Screen 100 pixels wide, so (x, y) is at offset 100 y + x.
#include <gtest/gtest.h>

#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "support/KindFixture.h"

namespace brisklet::test {
namespace {

class Graphs : public KindFixture {
 protected:
  Graphs() : KindFixture({{"Xs", 10}, {"Ys", 20}, {"Dx", 100}, {"Dy", 60}, {"ColorBack", 2}, {"Text", "Graph"}}) {
    // The trends' buttons measure their labels with the first font's CRC as font number,
    // which names no font: the labels stand at their frames' anchor points.
    project.Insert("tblFonts", {{"FontNumber", 1}, {"FontCRC", 0x7777}});
  }
};

// --- Bar graph

TEST_F(Graphs, BarGraphCopiesSettingsAndOperands) {
  Json bar = {{"GetBarSetting1", 1},      {"GetBarSetting2", 0},     {"GetBarOperand1Type", 34},
              {"GetBarOperand1Addr", -5}, {"GetBarOperand2Type", 2}, {"GetBarOperand2Addr", 300}};
  EXPECT_EQ(KindBytes(Add(kVarBarGraph, bar)),
            Hx({"42 47  00  00 00  00                  // BG, setting 1 counted from 0, setting 2",
                "22 00  fb ff ff ff  00 00          // a constant: -5 in the value, still 8 bytes",
                "02 00  2c 01  00 00 00 00          // memory integer 300", "ff ff ff ff"}));
}

struct BarSettingCase {
  const char* name;
  int32_t setting1, setting2;
  const char* bytes3and4;  // or the compile's error
};

const BarSettingCase kBarSettings[] = {
    {"Lowest", 1, 0, "00 00"},
    {"Highest", 256, 255, "ff ff"},
    {"Setting1Zero", 0, 0, "Overflow"},
    {"Setting1Above256", 257, 0, "Overflow"},
    {"Setting2Negative", 1, -1, "Overflow"},
    {"Setting2Above255", 1, 256, "Overflow"},
};

class BarSettings : public Graphs, public ::testing::WithParamInterface<BarSettingCase> {};

TEST_P(BarSettings, ByteRange) {
  const BarSettingCase& c = GetParam();
  int32_t id = Add(kVarBarGraph, {{"GetBarSetting1", c.setting1}, {"GetBarSetting2", c.setting2}});
  std::string bytes = KindBytes(id);
  EXPECT_EQ(bytes == "Overflow" ? bytes : bytes.substr(9, 5), c.bytes3and4);
  EXPECT_TRUE(bytes != "Overflow" || ErrorOf(id).find("in element " + std::to_string(id)) != std::string::npos)
      << ErrorOf(id);
}

INSTANTIATE_TEST_SUITE_P(Cases, BarSettings, ::testing::ValuesIn(kBarSettings), ByName());

// --- Meter

// A 100 x 60 meter at (0, 0) sweeping the upper half (R 0, S 180) around (50, 55), reach 40.
// clang-format off
Json Meter(int32_t cx = 50, int32_t cy = 55, int32_t reach = 40, int32_t rotation = 0, int32_t span = 180) {
  return {{"GetMeterSetting", 3},  {"GetNeedleScale", reach}, {"GetNeedlePercent", 100},  {"GetNeedleWidth", 1},
          {"GetNeedleCenterX", cx}, {"GetNeedleCenterY", cy},  {"GetArcRotation", rotation}, {"GetArcSpan", span},
          {"GetMeterValue1", 1000}, {"GetMeterValue2", -1}};
}

TEST_F(Graphs, MeterWithoutImage) {
  int32_t id = Add(kVarMeter, Meter(), {{"Xs", 0}, {"Ys", 0}});
  EXPECT_EQ(KindBytes(id), Hx({"4d 47",
                               "00 00 00 00  00 00  ff ff  00 00  ff ff ff ff  // image block at (0, 0), CRC -1",
                               "03  28  01  00          // setting, reach 40, width 1, not reversed",
                               "32 00  37 00            // centre (50, 55)",
                               "b4 00  00 00            // angles 180 and 0",
                               "e8 03 00 00  ff ff ff ff  // values 1000 and -1",
                               "00 00 00 00 00 00 00 00  ff ff"}));
  EXPECT_TRUE(project.Messages().messages.empty());
}
// clang-format on

TEST_F(Graphs, MeterWithItsFirstImage) {
  project.Insert("ProjectImages", {{"ImageID", 4}, {"CRC", 0x12345678}});
  int32_t id = Add(kVarMeter, Meter());
  project.Insert("ElementsAndImages", {{"Element_ID", id}, {"Image_Index", 1}, {"Image_CRC", 0x12345678}});
  EXPECT_EQ(KindBytes(id).substr(0, 47), Hx({"4d 47  da 07 00 00  00 00  ff ff  04 00  78 56 34 12"}));
}

struct NeedleCase {
  const char* name;
  Json meter;
  bool fits;
};

// The element covers x 0..99 and y 0..59; a needle of width 1 reaches one pixel left of and
// above its tip.
// clang-format off
const NeedleCase kNeedles[] = {
    {"LeftEdgeInside", Meter(41, 59), true},          {"LeftEdgeOutside", Meter(40, 59), false},
    {"RightEdgeInside", Meter(59, 59), true},         {"RightEdgeOutside", Meter(60, 59), false},
    {"TopEdgeInside", Meter(50, 41), true},           {"TopEdgeOutside", Meter(50, 40), false},
    {"BottomEdgeInside", Meter(50, 19, 40, 180), true}, {"BottomEdgeOutside", Meter(50, 20, 40, 180), false},
    {"ReachTooLong", Meter(50, 55, 56), false},
};
// clang-format on

class MeterNeedle : public Graphs, public ::testing::WithParamInterface<NeedleCase> {};

TEST_P(MeterNeedle, StaysInsideTheElement) {
  int32_t id = Add(kVarMeter, GetParam().meter, {{"Xs", 0}, {"Ys", 0}});
  project.Compiler().CompileHmiElement(id);
  if (GetParam().fits) {
    EXPECT_TRUE(project.Messages().Texts().empty());
    EXPECT_NE(project.UnitHex(project.GuidOf(id)), "");
  } else {
    EXPECT_EQ(project.Messages().Texts(),
              std::vector<std::string>{"Graph has the meter needle exceeding var boundaries."});
    EXPECT_EQ(project.Messages().messages.at(0).location, "Setup");
    EXPECT_EQ(KindBytes(id), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Edges, MeterNeedle, ::testing::ValuesIn(kNeedles), ByName());

struct AngleCase {
  const char* name;
  int32_t rotation, span, reversed;
  const char* angles;
};

const AngleCase kAngles[] = {
    {"UpperHalfReversed", 0, 180, 1, "00 00 b4 00"},
    {"PointingDownTurnedOnce", 180, 90, 0, "3b 01 e1 00"},  // -45 and -135 become 315 and 225
    {"OddSpanTruncates", 0, 91, 0, "87 00 2d 00"},          // 90 + 45 and 90 - 45
};

class MeterAngles : public Graphs, public ::testing::WithParamInterface<AngleCase> {};

TEST_P(MeterAngles, InTheRecord) {
  const AngleCase& c = GetParam();
  Json meter = Meter(50, 30, 10, c.rotation, c.span);
  meter["GetSweepReversed"] = c.reversed;
  std::string bytes = KindBytes(Add(kVarMeter, meter, {{"Xs", 0}, {"Ys", 0}}));
  ASSERT_EQ(bytes.size(), 46u * 3 - 1) << bytes;
  EXPECT_EQ(bytes.substr(24 * 3, 11), c.angles);
}

INSTANTIATE_TEST_SUITE_P(Cases, MeterAngles, ::testing::ValuesIn(kAngles), ByName());

// --- Trend graphs

// Plot (part 7) at (5, 6) of the element, 80 x 40; part 8 gives the height; part 9, the frame
// of the curve names, at (5, 50), 60 x 12; every other part is empty.
Json PartRects(int32_t plotWidth = 80, int32_t plotHeight = 40) {
  Json parts = Json::array();
  for (int i = 0; i < 7; ++i) parts.push_back(Json::object());
  parts.push_back({{"x", 5}, {"y", 6}, {"w", plotWidth}, {"h", 40}});
  parts.push_back({{"h", plotHeight}});
  parts.push_back({{"x", 5}, {"y", 50}, {"w", 60}, {"h", 12}});
  return parts;
}

// clang-format off
Json Trend(Json curves = Json::array()) {
  return {{"GetTrendNumber", 2},   {"GetTrendSettingA", 3}, {"GetPartRect", PartRects()}, {"GetPointSpacing", 2},
          {"GetXTicks", 10},       {"GetYTicks", 5},        {"GetTrendSettingB", 4},      {"GetTrendSettingC", 5},
          {"GetTrendSettingD", 6}, {"GetTrendSettingE", 7}, {"GetTrendSettingF", 8},      {"GetTrendSettingG", 1},
          {"GetButtonColor", 7},   {"GetButtonTextColor", 1}, {"GetCurves", curves}};
}

// The blocks of the empty parts at the element's corner (10, 20): offset 2010; a button's
// label sits at its anchor (10, 20), written one pixel up and left: offset 1909.
const std::string kEmptyFrame = Hx({"00 00 00 00  da 07 00 00  02 0a 00 00"});
std::string EmptyButton(const char* labelColour, const char* label) {
  bool twoLetters = std::string(label).size() > 2;  // label as hex: "3e 3e" or "4d"
  return Hx({"00 00 00 00  da 07 00 00  07 0f  02  00 00 00", labelColour, "01", twoLetters ? "03" : "02",
             "00  75 07 00 00  06  00", label, twoLetters ? "00 00" : "00"});
}

std::string TrendBlock(const char* curveCount) {
  return Hx({"54 52", "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
             "02  03                 // trend number, setting A",
             "37 0a 00 00            // plot at (15, 26)",
             "50 00  28 00  28 00    // 80 x 40, 40 points at spacing 2",
             "0a 00  05 00           // ticks", "04  05  00 00 00 00 00 00 00  06  07  08",
             "3c 00 0c 00  67 1b 00 00  02 0a 00 00  // frame of part 9 at (15, 70)"}) +
         " " + EmptyButton("01", "3e 3e") + " " + EmptyButton("01", "3c 3c") + " " + EmptyButton("01", "4d") + " " +
         EmptyButton("01", "47") + " " + kEmptyFrame + " " + kEmptyFrame + " " + Hx({"07  02"}) + " " + kEmptyFrame +
         " " + kEmptyFrame + " " + Hx({curveCount, "01"});
}

TEST_F(Graphs, TrendWithoutCurves) {
  project.Insert("Trends", {{"TrendID", 2}, {"HistoryPoints", 40}});
  EXPECT_EQ(KindBytes(Add(kVarTrend, Trend())), TrendBlock("00"));
  EXPECT_TRUE(project.Messages().Texts().empty());
}

TEST_F(Graphs, TrendCurvesInListOrder) {
  project.Insert("Trends", {{"TrendID", 2}, {"HistoryPoints", 40}});
  project.Insert("Curves", {{"CurveID", 11},
                            {"DecimalBefore", 2},
                            {"MinOprndType", 37},
                            {"MinValue", -5},
                            {"MaxOprndType", 34},
                            {"MaxValue", 100},
                            {"StorageOprndAddress", 12}});
  project.Insert("Curves", {{"CurveID", 12}, {"StorageOprndType", 3}, {"StorageOprndAddress", 9}});
  project.Insert("Curves", {{"CurveID", 13}});
  Json curves = {
      {{"GetCurveId", 11}, {"GetCurveOperandType", 2}, {"GetCurveOperandAddr", 7}, {"GetCurveSetting", 1}},
      {{"GetCurveId", 12}},
      {{"GetCurveId", 13}, {"GetCurveName", "Flow"}},
      {{"GetCurveId", 19}},
  };
  EXPECT_EQ(KindBytes(Add(kVarTrend, Trend(curves))),
            TrendBlock("04") + " " +
                Hx({"03  02  02 00 07 00 00 00 00 00  01  00  // curve 3 of trend 2, 2 decimals, variable, setting",
                    "25 00 fb ff ff ff 02 00  00 00           // minimum: type 37 by hand",
                    "22 00 64 00 00 00 00 00  00 00           // maximum: an operand",
                    "01 00  0c 00  00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00  // stored at 12",
                    "04  04  00 00 00 00 00 00 00 00  00 00   // curve 12: 4 decimals",
                    "00 00 00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00 00 00",
                    "02 00  00 00  03 00 09 00 00 00 00 00  00 00 00 00 00 00 00 00 00 00  // storage operand",
                    "05  04  00 00 00 00 00 00 00 00  00 00", "00 00 00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00 00 00",
                    "00 00  46 6c 6f 77  00 00 00 00 00 00 00 00 00 00 00 00 00 00  00  1e  // the name, centred at 30",
                    "03  00  00 00 00 00 00 00 00 00  00  00  // curve 19 has no row: all 0, stored at address 0",
                    "00 00 00 00 00 00 00 00 00 00  00 00 00 00 00 00 00 00 00 00",
                    "01 00  00 00  00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"}));
}
// clang-format on

struct TrendCheckCase {
  const char* name;
  int32_t plotWidth, history, xTicks;
  std::vector<std::string> messages;
  const char* pointsAndTicks;  // bytes 32 to 35
};

const char* const kHistoryError =
    "The number of points to show on Trend: 'Graph' is higher than the Max number of points in history.";
const char* const kXTicksWarning =
    "The number of X Ticks on Trend: 'Graph' exceeds the maximum, and will be reducued on download.";

// A plot 200 pixels wide at spacing 2 shows 100 points.
const TrendCheckCase kTrendChecks[] = {
    {"HistoryHoldsThePoints", 200, 100, 200, {}, "64 00 c8 00"},
    {"HistoryOnePointShort", 200, 99, 200, {kHistoryError}, "64 00 c8 00"},
    {"XTicksReducedToHalfThePlot", 200, 100, 250, {kXTicksWarning}, "64 00 64 00"},
    {"BothInCheckOrder", 200, 0, 201, {kHistoryError, kXTicksWarning}, "64 00 64 00"},
};

class TrendChecks : public Graphs, public ::testing::WithParamInterface<TrendCheckCase> {};

TEST_P(TrendChecks, ReportedAndTheRecordBuilt) {
  const TrendCheckCase& c = GetParam();
  project.Insert("Trends", {{"TrendID", 2}, {"HistoryPoints", c.history}});
  Json trend = Trend();
  trend["GetPartRect"] = PartRects(c.plotWidth);
  trend["GetXTicks"] = c.xTicks;
  std::string bytes = KindBytes(Add(kVarTrend, trend));
  EXPECT_EQ(project.Messages().Texts(), c.messages);
  EXPECT_EQ(bytes.substr(32 * 3, 11), c.pointsAndTicks);
}

INSTANTIATE_TEST_SUITE_P(Cases, TrendChecks, ::testing::ValuesIn(kTrendChecks), ByName());

TEST_F(Graphs, TrendWithoutPointSpacingFails) {
  Json trend = Trend();
  trend.erase("GetPointSpacing");
  EXPECT_EQ(KindBytes(Add(kVarTrend, trend)), "Division by zero");
}

// clang-format off
Json TsTrend(Json entries = Json::array()) {
  return {{"GetOperandAType", 2},   {"GetOperandAAddr", 1},  {"GetOperandBType", 3},  {"GetOperandBAddr", 2},
          {"GetTsSetting1", 9},     {"GetPartRect", PartRects()}, {"GetPointSpacing", 2}, {"GetXTicks", 10},
          {"GetYTicks", 5},         {"GetTsSetting2", 1},    {"GetTsSetting3", 2},    {"GetTsSetting4", 3},
          {"GetTsSetting5", 4},     {"GetTsSetting6", 5},    {"GetButtonColor", 7},   {"GetLabelColor", 1},
          {"GetPanelColor", 4},     {"GetEntries", entries}, {"GetClosingOperandType", 2},
          {"GetClosingOperandAddr", 13}};
}

TEST_F(Graphs, TsTrendWithOneEntry) {
  Json entry = {{"GetEntryOperand1Type", 2}, {"GetEntryOperand1Addr", 10}, {"GetEntrySetting", 1},
                {"GetEntryOperand2Type", 2}, {"GetEntryOperand2Addr", 11}, {"GetEntryOperand3Type", 2},
                {"GetEntryOperand3Addr", 12}};
  std::string expected =
      Hx({"54 53", "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
          "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00", "01  65",
          "02 00 01 00 00 00 00 00  00 00 00 00  03 00 02 00 00 00 00 00  // operands A and B",
          "09  00  37 0a 00 00  50 00  28 00  28 00  0a 00  05 00  // setting 1, plot, points, ticks",
          "01  02  00  03  04  05", "3c 00 0c 00  67 1b 00 00  02 0a 00 00"}) +
      " " + EmptyButton("01", "3e") + " " + EmptyButton("01", "3c") + " " +
      Hx({"00 00 00 00  da 07 00 00  04 0c  02  01  // panel of part 11"}) + " " + EmptyButton("01", "47") + " " +
      kEmptyFrame + " " + kEmptyFrame + " " + Hx({"06  02"}) + " " + kEmptyFrame + " " + kEmptyFrame + " " +
      Hx({"02 00 0a 00 00 00 00 00  01  00  02 00 0b 00 00 00 00 00  00 00  02 00 0c 00 00 00 00 00  00 00",
          "02 00 0d 00 00 00 00 00  // closing operand"});
  EXPECT_EQ(KindBytes(Add(kVarTrendScale, TsTrend({entry}))), expected);
}
// clang-format on

TEST_F(Graphs, TsTrendLengthFollowsItsEntries) {
  for (size_t n : {0u, 2u, 5u}) {
    Json entries = Json::array();
    for (size_t i = 0; i < n; ++i) entries.push_back({{"GetEntrySetting", i}});
    std::string bytes = KindBytes(Add(kVarTrendScale, TsTrend(entries)));
    size_t length = 246 + 30 * n;
    ASSERT_EQ(bytes.size(), length * 3 - 1) << n;
    EXPECT_EQ(bytes.substr((length - 8) * 3), "02 00 0d 00 00 00 00 00") << n;  // the closing operand last
  }
}

TEST_F(Graphs, TsTrendYTicksReduced) {
  Json trend = TsTrend();
  trend["GetYTicks"] = 90;
  trend["GetPartRect"] = PartRects(80, 80);
  std::string bytes = KindBytes(Add(kVarTrendScale, trend));
  EXPECT_EQ(bytes.substr(78 * 3, 5), "28 00");
  EXPECT_EQ(project.Messages().Texts(),
            std::vector<std::string>{
                "The number of Y Ticks on trend: 'Graph' exceeds the maximum, and will be reducued on download."});
}

}  // namespace
}  // namespace brisklet::test
