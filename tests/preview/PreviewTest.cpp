// brisklet preview on small projects: pixels of the written PNG at known coordinates, the mark
// of an element with a finding, and what cannot be drawn as the records say (a font without
// its file, a missing text or picture, a display never compiled), marked and noticed.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <span>
#include <sstream>
#include <tuple>

#include "decoding/DecodeContext.h"
#include "preview/Canvas.h"
#include "preview/DisplayPreview.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

const char* kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* kNoFont = "/nonexistent/font.ttf";  // a default font that is not there: boxes
constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kNavy{0, 0, 128}, kYellow{255, 255, 0}, kRed{255, 0, 0};
constexpr Rgb kMark{255, 0, 128};

std::string Describe(Rgb c) {
  return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
}

struct PixelCase {
  const char* name;
  int32_t x, y;
  Rgb expected;
};

// One display on a 100 x 70 white screen: a navy rectangle with a yellow fill at (10, 20),
// 30 x 40; a red line from (50, 10), 30 wide; a black left-aligned text "Hi" in a box at
// (50, 30), 40 x 14, in font 1.
class Preview : public ::testing::Test {
 protected:
  Preview() : dir(TempPath("preview")) {
    fs::create_directories(dir);
    project.SetSetting("ScreenWidth", 100);
    project.SetSetting("ScreenHeight", 70);
    project.AddModule("Main");
    project.AddDisplay({{"ModuleID", 1}, {"Description", "Home"}, {"ColorBack", 15}});
    project.AddElement({{"DisplayID", 1}, {"Type", 1}, {"Xs", 10}, {"Ys", 20}, {"Dx", 30}, {"Dy", 40},
                        {"ColorFore", 4}, {"ColorBack", 11}, {"PenWidth", 1}});
    project.AddElement({{"DisplayID", 1}, {"Type", 2}, {"Xs", 50}, {"Ys", 10}, {"Dx", 30}, {"Dy", 0},
                        {"ColorFore", 9}, {"PenWidth", 1}});
    text = project.AddElement({{"DisplayID", 1}, {"Type", 4}, {"Text", "Hi"}, {"Xs", 50}, {"Ys", 30}, {"Dx", 40},
                               {"Dy", 14}, {"ColorFore", 0}, {"ColorBack", 15}, {"FontNumber", 1}, {"Alignment", 0}});
  }
  ~Preview() override { fs::remove_all(dir); }

  // The project saved as a file, with DejaVu Sans 12 px as font 1 added by the tool.
  std::string SaveWithFont() {
    std::string db = Save();
    ToolRun font = RunTool(std::string("font add ") + db + " " + kDejaVuSans + " --size 12 --number 1");
    EXPECT_EQ(font.exitCode, 0) << font.err;
    return db;
  }
  std::string Save() {
    std::string path = (dir / "project.db").string();
    fs::remove(path);
    project.Db().Execute("VACUUM INTO '" + path + "'");
    return path;
  }
  ToolRun Draw(const std::string& db) { return RunTool("preview " + db + " --display 1 -o " + Png()); }
  std::string Png() const { return (dir / "home.png").string(); }
  // Draws display 1 through the library into Png(), a font without its file in `defaultFont`;
  // its notices, one "ID: text" a line.
  std::string DrawHere(const std::string& defaultFont, bool compiled = true, int32_t height = 70) {
    DecodeContext context = ReadDecodeContext(project.Host(), project.Db());
    PanelFonts fonts(project.Db(), context.codePage, defaultFont);
    PanelImages images(project.Db());
    TextTable texts(project.Db());
    std::vector<PreviewElement> elements;
    for (int64_t id : project.Column("SELECT ID FROM HMI_Elements ORDER BY ID")) {
      elements.push_back({project.Compiler().ElementRecord(static_cast<int32_t>(id)), {}, 0, static_cast<int32_t>(id)});
    }
    std::vector<PreviewNotice> notices;
    DrawDisplay(project.Compiler().DisplayRecord(1), elements, context, fonts, images, texts, height, &notices, compiled)
        ->WritePng(Png());
    std::string all;
    for (const PreviewNotice& n : notices) all += std::to_string(n.elementId) + ": " + n.text + "\n";
    return all;
  }
  Rgb PixelAt(int32_t x, int32_t y) const {
    Rgb c{1, 2, 3};
    EXPECT_TRUE(ReadPngPixel(Png(), x, y, c)) << "no pixel (" << x << ", " << y << ")";
    return c;
  }
  void ExpectPixels(std::span<const PixelCase> cases, const std::string& context = "") const {
    for (const PixelCase& c : cases) {
      EXPECT_EQ(Describe(PixelAt(c.x, c.y)), Describe(c.expected))
          << context << c.name << " (" << c.x << ", " << c.y << ")";
    }
  }
  // The leftmost column in rows y0..y1 with a pixel of that colour, or -1.
  int32_t FirstColumnOf(Rgb colour, int32_t y0, int32_t y1) const {
    for (int32_t x = 0; x < 100; ++x) {
      for (int32_t y = y0; y <= y1; ++y) {
        if (PixelAt(x, y) == colour) return x;
      }
    }
    return -1;
  }

  fs::path dir;
  TestProject project;
  int32_t text = 0;
};

const PixelCase kPixels[] = {
    {"RectangleTopLeftCorner", 10, 20, kNavy},      {"RectangleBottomRightCorner", 39, 59, kNavy},
    {"RectangleFill", 25, 40, kYellow},             {"LeftOfTheRectangle", 9, 20, kWhite},
    {"BelowTheRectangle", 10, 60, kWhite},          {"LineStart", 50, 10, kRed},
    {"LineEnd", 80, 10, kRed},                      {"PastTheLineEnd", 81, 10, kWhite},
    {"BelowTheLine", 60, 11, kWhite},               {"TextBoxBackground", 89, 43, kWhite},
};

TEST_F(Preview, PixelsAtKnownCoordinates) {
  if (!fs::exists(kDejaVuSans)) GTEST_SKIP() << kDejaVuSans << " is not installed";
  ToolRun run = Draw(SaveWithFont());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");  // no findings
  ExpectPixels(kPixels);
}

TEST_F(Preview, LeftAlignedTextStartsAtItsCompiledPosition) {
  if (!fs::exists(kDejaVuSans)) GTEST_SKIP() << kDejaVuSans << " is not installed";
  std::string db = SaveWithFont();
  ToolRun dump = RunTool("dump " + db + " --element " + std::to_string(text));
  ASSERT_NE(dump.out.find("\"LS\" text line 1 position                   3050 = (50, 30)"), std::string::npos)
      << dump.out;
  ASSERT_EQ(Draw(db).exitCode, 0);
  // The line starts at x 50; "H" of DejaVu Sans at 12 px has one blank column before its stem.
  EXPECT_EQ(FirstColumnOf(kBlack, 30, 43), 51);
}

// A picture of 8 pixels, red in its first, placed three times: as it is at (60, 50), with its
// key colour (its first pixel) left out at (70, 50), and as the display's background: 4 x 2,
// as square as 8 pixels allow, in a box 6 wide or on the screen. A picture without pixels at (85, 50) is
// crossed out; one of 16 bits a pixel at (92, 50) is drawn in RGB565.
TEST_F(Preview, PicturesAreDrawnFromTheProjectImages) {
  project.Insert("ProjectImages",
                 {{"ImageID", 1}, {"CRC", 0x5A5A}, {"Bits", 8}, {"Data8bpp", Compressed({9, 4, 4, 9, 4, 11, 11, 4})}});
  project.Insert("ProjectImages", {{"ImageID", 2}, {"CRC", 0x7777}, {"Bits", 8}});
  project.Insert("ProjectImages",
                 {{"ImageID", 3}, {"CRC", 0x1616}, {"Bits", 16}, {"Data8bpp", Compressed(Bytes(16, 9))}});
  project.Insert("PagesAndImages", {{"Page_ID", 1}, {"Image_CRC", 0x5A5A}, {"TransparencyLevel", 0}});
  for (auto [x, crc, transparency] :
       {std::tuple{60, 0x5A5A, 0}, std::tuple{70, 0x5A5A, 1}, std::tuple{85, 0x7777, 0}, std::tuple{92, 0x1616, 0}}) {
    int32_t id = project.AddElement(
        {{"DisplayID", 1}, {"Type", 3}, {"Xs", x}, {"Ys", 50}, {"Dx", 6}, {"Dy", 2}, {"ColorBack", 15}});
    project.Insert("ElementsAndImages",
                   {{"Element_ID", id}, {"Image_Index", 0}, {"Image_CRC", crc}, {"TransparencyLevel", transparency}});
  }
  ToolRun run = Draw(Save());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const PixelCase pixels[] = {{"FirstPixel", 60, 50, kRed},         {"SecondPixel", 61, 50, kNavy},
                              {"SecondRow", 62, 51, kYellow},       {"BelowThePicture", 62, 52, kWhite},
                              {"KeyColourLeftOut", 70, 50, kWhite}, {"TransparentPictureKept", 72, 51, kYellow},
                              {"BackgroundFirst", 0, 0, kRed},      {"BackgroundSixth", 1, 1, kYellow},
                              {"PastTheBackground", 4, 0, kWhite},  {"BelowTheBackground", 0, 2, kWhite},
                              {"CrossedOutCorner", 85, 50, kBlack}, {"CrossedOutOtherCorner", 90, 50, kBlack},
                              {"Rgb565", 93, 51, {8, 32, 74}},      {"PastThe16BitPicture", 96, 51, kWhite},
                              {"PastThePictureInItsBox", 64, 50, kWhite}};
  ExpectPixels(pixels);
}

// A white meter at (60, 40), 40 x 30, sweeping the upper half around (80, 65) with a reach of
// 15: at its minimum the needle points left, from (80, 65) to (65, 65), black on white; the
// scale's middle tick stands straight up, from 10 to 15 pixels above the centre.
TEST_F(Preview, MeterNeedleStandsAtTheMinimum) {
  nlohmann::json meter = {{"GetMeterSetting", 3}, {"GetNeedleScale", 15},   {"GetNeedlePercent", 100},
                          {"GetNeedleWidth", 1},  {"GetNeedleCenterX", 20}, {"GetNeedleCenterY", 25},
                          {"GetArcRotation", 0},  {"GetArcSpan", 180},      {"GetMeterValue1", 1000},
                          {"GetMeterValue2", -1}};
  project.AddElement({{"DisplayID", 1}, {"Type", 5}, {"VarType", 21}, {"Binary", meter.dump()}, {"Xs", 60},
                      {"Ys", 40}, {"Dx", 40}, {"Dy", 30}, {"ColorBack", 15}});
  ToolRun run = Draw(Save());
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const PixelCase pixels[] = {{"Centre", 80, 65, kBlack},       {"Tip", 65, 65, kBlack},
                              {"PastTheTip", 64, 65, kWhite},   {"Frame", 60, 40, kBlack},
                              {"NotAtTheMaximum", 85, 65, kWhite}, {"MiddleTickOfTheScale", 80, 52, kBlack},
                              {"InsideTheMiddleTick", 80, 57, kWhite}};
  ExpectPixels(pixels);
}

// A white trend on a 320 x 240 screen at (100, 90), 200 x 140, its plot at (102, 92), 30 x 20,
// with 3 X ticks and 2 Y ticks: axes on the plot's left and bottom edges, dotted grid lines at
// x 111 and 121 and at y 101, ticks of 3 pixels outside the axes.
TEST_F(Preview, TrendShowsItsAxesAndGrid) {
  project.SetSetting("ScreenWidth", 320);
  project.SetSetting("ScreenHeight", 240);
  nlohmann::json parts = nlohmann::json::array();
  for (int i = 0; i < 7; ++i) parts.push_back(nlohmann::json::object());
  parts.push_back({{"x", 2}, {"y", 2}, {"w", 30}, {"h", 20}});
  parts.push_back({{"h", 20}});
  nlohmann::json trend = {{"GetTrendNumber", 2}, {"GetPartRect", parts}, {"GetPointSpacing", 2},
                          {"GetXTicks", 3},      {"GetYTicks", 2},       {"GetCurves", nlohmann::json::array()}};
  project.Insert("Trends", {{"TrendID", 2}, {"HistoryPoints", 40}});
  project.Insert("Curves", {{"CurveID", 9}});  // trend 2 owns curves 9 to 16
  AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6});  // the buttons' labels are measured
  project.AddElement({{"DisplayID", 1}, {"Type", 5}, {"VarType", 23}, {"Binary", trend.dump()}, {"Xs", 100},
                      {"Ys", 90}, {"Dx", 200}, {"Dy", 140}, {"ColorBack", 15}});
  ToolRun run = Draw(Save());
  ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
  const PixelCase pixels[] = {{"LeftAxisTop", 102, 92, kBlack},      {"Origin", 102, 111, kBlack},
                              {"BottomAxisEnd", 131, 111, kBlack},   {"PastTheBottomAxis", 132, 111, kWhite},
                              {"FirstColumnLine", 111, 92, kBlack},  {"ColumnLineGap", 111, 93, kWhite},
                              {"SecondColumnLine", 121, 94, kBlack}, {"RowLine", 104, 101, kBlack},
                              {"RowLineGap", 105, 101, kWhite},      {"InsideThePlot", 115, 105, kWhite},
                              {"TickBelowTheAxis", 111, 114, kBlack}, {"TickLeftOfTheAxis", 99, 101, kBlack}};
  ExpectPixels(pixels);
}

// A number of mask "99.9" and units "kg" at (50, 50), in a font drawn as boxes: its sample
// "-00.0 kg", 8 characters of 6 pixels, is drawn as a hollow box 48 x 10 from its text position.
TEST_F(Preview, NumberShowsItsSampleText) {
  AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6});
  nlohmann::json number = {
      {"GetMask", "99.9"}, {"GetUnitsText", "kg"}, {"GetOperand1Type", 2}, {"GetOperand1Addr", 204}};
  int32_t id = project.AddElement({{"DisplayID", 1}, {"Type", 5}, {"VarType", 8}, {"Binary", number.dump()},
                                   {"Xs", 50}, {"Ys", 50}, {"Dx", 49}, {"Dy", 14}, {"ColorFore", 0},
                                   {"ColorBack", 15}, {"FontNumber", 1}, {"Alignment", 0}});
  std::string db = Save();
  ToolRun dump = RunTool("dump " + db + " --element " + std::to_string(id));
  ASSERT_NE(dump.out.find("\"LN\" text position                          5050 = (50, 50)"), std::string::npos)
      << dump.out;
  DrawHere(kNoFont);
  const PixelCase pixels[] = {{"BoxTopLeft", 50, 50, kBlack},  {"BoxRightEdge", 97, 52, kBlack},
                              {"PastTheBox", 98, 52, kWhite}, {"BoxBottom", 60, 59, kBlack},
                              {"InsideTheBox", 60, 55, kWhite}};
  ExpectPixels(pixels);
}

// The kinds that show a value as text, below the other elements on a 200 x 150 screen in a font without its file (6
// pixels a character, lines of 10): each text a hollow box from its text position, so its
// width tells which text it is; an entry's label on a tab above its frame; a bar's scale.
TEST_F(Preview, ValueKindsShowTheirTextsLabelsAndScales) {
  project.SetSetting("ScreenWidth", 200);
  project.SetSetting("ScreenHeight", 150);
  AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6});
  auto add = [&](int32_t varType, const nlohmann::json& properties, int32_t x, int32_t y, int32_t width,
                 Columns more = {}) {
    Columns columns = {{"DisplayID", 1}, {"Type", 5},       {"VarType", varType}, {"Binary", properties.dump()},
                       {"Xs", x},        {"Ys", y},         {"Dx", width},        {"Dy", 20},
                       {"ColorFore", 0}, {"ColorBack", 15}, {"FontNumber", 1},    {"Alignment", 0}};
    for (auto& [name, value] : more) {  // a column given again replaces the default
      auto same = std::find_if(columns.begin(), columns.end(), [&](const auto& c) { return c.first == name; });
      same != columns.end() ? void(same->second = value) : columns.push_back({name, value});
    }
    project.AddElement(columns);
  };
  // "00:00.00" (48 pixels) for a format with hundredths, "00:00" (30) for an entry timer.
  add(7, {{"GetTextObject", {{"GetText", "MM:SS.hh"}}}, {"GetTimerKind", 1}, {"GetTimerSubKind", 2}}, 10, 80, 60);
  add(7, {{"GetTextObject", {{"GetText", "MM:SS"}}}, {"GetTimerKind", 2}}, 10, 120, 60,
      {{"Text", "Go"}, {"DescriptionFontNumber", 1}, {"TouchOprndAddr", -2}});
  add(15, {{"GetFieldText", "ABCDEF"}, {"GetFieldLength", 3}}, 80, 80, 40);  // "AAA", 18 pixels
  add(6, {{"EntryMode", 5}}, 80, 120, 40, {{"Flat3D", 1}});  // "9999", 24, 4 pixels into a raised frame
  add(9, {{"GetBarSetting1", 1}}, 140, 80, 20, {{"Dy", 50}});
  DrawHere(kNoFont, true, 150);
  constexpr Rgb kGrey{128, 128, 128};
  const PixelCase pixels[] = {
      {"TimerSampleEnd", 57, 82, kBlack},      {"PastTheTimerSample", 58, 82, kWhite},
      {"EntryTimerSampleEnd", 39, 122, kBlack}, {"PastTheEntryTimerSample", 40, 122, kWhite},
      {"LabelTabCorner", 25, 108, kBlack},      {"PastTheLabelTab", 26, 108, kWhite},
      {"LabelText", 12, 113, kBlack},           {"LabelMargin", 11, 113, kWhite},
      {"TextFieldSampleEnd", 97, 82, kBlack},  {"PastTheTextFieldSample", 98, 82, kWhite},
      {"EntrySampleEnd", 107, 126, kBlack},     {"PastTheEntrySample", 108, 126, kWhite},
      {"RaisedBottomEdge", 100, 138, kGrey},    {"BarMajorTick", 144, 105, kBlack},
      {"PastTheMajorTick", 145, 105, kWhite},   {"BarMinorTick", 142, 125, kBlack},
      {"PastTheMinorTick", 143, 125, kWhite},
  };
  ExpectPixels(pixels);
}

// A text list at (50, 50), 40 x 14, centred, whose first item is text 1 of the text table, "Go",
// in a font drawn as boxes: a hollow box 12 x 10 centred on the anchor (70, 57).
TEST_F(Preview, LinkedTextOfTheTextTableStandsOnItsAnchor) {
  AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6});
  project.Insert("ProjectTexts", {{"TextIndex", 1}, {"Text", "Go"}});
  nlohmann::json item = {{"ItemOperandType", 0}, {"ItemOperandAddress", 1}, {"ItemColor", 0}, {"ItemBackColor", 15}};
  nlohmann::json list = {{"ItemCount", 1}, {"ItemAt", {item}}, {"IsLinked", -1}};
  int32_t id = project.AddElement({{"DisplayID", 1}, {"Type", 5}, {"VarType", 3}, {"Binary", list.dump()},
                                   {"Xs", 50}, {"Ys", 50}, {"Dx", 40}, {"Dy", 14}, {"ColorBack", 15},
                                   {"FontNumber", 1}, {"Alignment", 4}});
  std::string db = Save();
  ToolRun dump = RunTool("dump " + db + " --element " + std::to_string(id));
  ASSERT_NE(dump.out.find("text anchor                     5770 = (70, 57)"), std::string::npos) << dump.out;
  DrawHere(kNoFont);
  const PixelCase pixels[] = {{"BoxTopLeft", 64, 52, kBlack},    {"LeftOfTheBox", 63, 52, kWhite},
                              {"BoxRightEdge", 75, 55, kBlack}, {"RightOfTheBox", 76, 55, kWhite},
                              {"BoxBottom", 70, 61, kBlack},    {"InsideTheBox", 70, 56, kWhite}};
  ExpectPixels(pixels);
}

// Each element by its ID: a second element of the same name with the same finding is
// outlined and numbered for its own.
TEST_F(Preview, ElementWithAFindingIsOutlinedNumberedAndListed) {
  if (!fs::exists(kDejaVuSans)) GTEST_SKIP() << kDejaVuSans << " is not installed";
  const char* name = "A text far too long for its box";
  project.Db().Execute("UPDATE HMI_Elements SET Text=? WHERE ID=?", {name, text});
  int32_t second = project.AddElement({{"DisplayID", 1}, {"Type", 4}, {"Text", name}, {"Xs", 10}, {"Ys", 64},
                                       {"Dx", 20}, {"Dy", 5}, {"FontNumber", 1}});
  ToolRun run = Draw(SaveWithFont());
  EXPECT_EQ(run.exitCode, 0) << run.err;
  std::string warning = " is too small to fit text inside. Please resize it to solve the problem.\n";
  EXPECT_EQ(run.out, "1 warning element " + std::to_string(text) + ": " + name + warning + "2 warning element " +
                        std::to_string(second) + ": " + name + warning);
  // The outline: two pixels just outside the frame, in dashes of black and white.
  const PixelCase outline[] = {{"SecondOne", 9, 63, kWhite}, {"InnerRing", 49, 29, kBlack},
                               {"OuterRing", 50, 28, kWhite}, {"Corner", 90, 44, kBlack},
                               {"NextDash", 51, 29, kWhite},  {"OuterDash", 53, 28, kBlack}};
  ExpectPixels(outline);
  EXPECT_EQ(Describe(PixelAt(49, 22)), Describe(kMark));  // the number's label above the frame
  EXPECT_EQ(Describe(PixelAt(11, 20)), Describe(kNavy));  // the rectangle, without findings, is not marked
  EXPECT_EQ(Describe(PixelAt(9, 19)), Describe(kWhite));

  ToolRun all = RunTool("preview " + (dir / "project.db").string() + " --all -o " + (dir / "all").string());
  EXPECT_EQ(all.exitCode, 0) << all.err;
  std::stringstream index;
  index << std::ifstream(dir / "all" / "index.html").rdbuf();
  EXPECT_NE(index.str().find("<h2>display 1 (Home)</h2>\n<section><img src=\"display-1.png\""), std::string::npos);
  EXPECT_NE(index.str().find("<b>1</b> warning [BRK001] element " + std::to_string(text) + ": A text far too long"),
            std::string::npos)
      << index.str();
  EXPECT_TRUE(fs::exists(dir / "all" / "display-1.png"));
}

// A font file that another program broke says what is wrong with it.
TEST_F(Preview, BrokenFontFileSaysWhy) {
  AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6});
  const std::pair<const char*, const char*> broken[] = {
      {"NULL", "font 1 has no font file in the project"},
      {"7", "font 1 has a font file in the project that is a number"},
      {"x'00112233'", "font 1 has a font file in the project that FreeType cannot read (error "},
  };
  for (const auto& [file, notice] : broken) {
    project.Db().Execute("UPDATE tblFonts SET FontFile=" + std::string(file));
    ToolRun again = Draw(Save());
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(again.err.find(notice), std::string::npos) << again.err;
  }
}

// Drawn through the library: the notices by element ID and the marks on the picture, for a
// font without its file (in the default font, or as boxes without that either), a text the
// text table lacks, a picture without pixels and a display never compiled. Font 1 has no file;
// "Hi" (element `text`) is two characters of 6 pixels at (50, 30).
TEST_F(Preview, WhatCannotBeDrawnIsMarkedAndNoticed) {
  AddTestFont(project, {.number = 1, .lineHeight = 10, .advance = 6});
  nlohmann::json item = {{"ItemOperandType", 0}, {"ItemOperandAddress", 5}, {"ItemColor", 0}, {"ItemBackColor", 15}};
  nlohmann::json list = {{"ItemCount", 1}, {"ItemAt", {item}}, {"IsLinked", -1}};
  int32_t textList = project.AddElement({{"DisplayID", 1}, {"Type", 5}, {"VarType", 3}, {"Binary", list.dump()},
                                         {"Xs", 10}, {"Ys", 62}, {"Dx", 30}, {"Dy", 8}, {"ColorBack", 15},
                                         {"FontNumber", 1}, {"Alignment", 0}});
  int32_t picture = project.AddElement(
      {{"DisplayID", 1}, {"Type", 3}, {"Xs", 85}, {"Ys", 50}, {"Dx", 10}, {"Dy", 10}, {"ColorBack", 15}});
  project.Insert("ElementsAndImages", {{"Element_ID", picture}, {"Image_Index", 0}, {"Image_CRC", 0x7777}});
  std::string inDefault = std::to_string(text) + ": font 1 has no font file in the project: drawn in DejaVu Sans\n";
  std::string rest = std::to_string(textList) + ": text 5 is not in the text table: crossed out\n" +
                     std::to_string(picture) + ": image 0 (CRC 0x00007777) has no 8- or 16-bit pixels in the " +
                     "project: crossed out\n";
  struct Case {
    const char* name;
    std::string defaultFont;
    bool compiled;
    std::string notices;
    std::vector<PixelCase> pixels;
  };
  const Case cases[] = {
      {"InTheDefaultFont", kDejaVuSans, true, inDefault + rest,
       {{"NoBoxAroundHi", 61, 32, kWhite}, {"CrossedOutText", 10, 62, kBlack},
        {"CrossedOutPicture", 85, 50, kBlack}, {"PictureCrossCentre", 89, 54, kBlack}}},
      {"AsBoxesWithoutIt", kNoFont, true,
       std::regex_replace(inDefault + rest, std::regex("in DejaVu Sans"), "as boxes"),
       {{"BoxOfHi", 61, 32, kBlack}, {"InsideTheBox", 55, 36, kWhite}}},
      {"NeverCompiled", kDejaVuSans, false,
       inDefault + rest + "0: the display is of no module (-1) and never compiled: crossed out\n",
       {{"DashedEdge", 0, 0, kBlack}, {"DashedEdgeOtherWay", 2, 0, kWhite}, {"CaptionStrip", 20, 35, kWhite}}},
  };
  for (const Case& c : cases) {
    if (c.defaultFont == kDejaVuSans && !fs::exists(kDejaVuSans)) continue;
    EXPECT_EQ(DrawHere(c.defaultFont, c.compiled), c.notices) << c.name;
    ExpectPixels(c.pixels, std::string(c.name) + " ");
  }
}

}  // namespace
}  // namespace brisklet::test
