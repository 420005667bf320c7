// The text lists "LL", "LR" and the text button "LB": the item table, one geometry and text
// block per item in the element's frame, and the one warning for texts that do not fit.
// Every element is a 60 x 20 frame at (10, 20) (offset 2010: da 07 00 00) without border, in
// font 1 (index 0): 6 pixels per character, 10 per line, so 10 characters fit a line.
#include "base/Constants.h"
#include "support/KindFixture.h"

namespace brisklet::test {
namespace {

class TextLists : public KindFixture {
 protected:
  TextLists() : KindFixture({{"Xs", 10}, {"Ys", 20}, {"Dx", 60}, {"Dy", 20}, {"FontNumber", 1}, {"Text", "Mode"}}) {
    AddTestFont(project, {.number = 1});
  }
};

Json Item(const char* text, int32_t colour, int32_t back) {
  return {{"ItemText", text}, {"ItemColor", colour}, {"ItemBackColor", back}};
}
Json LinkedItem(int32_t oprndType, int32_t address, int32_t colour, int32_t back) {
  return {
      {"ItemOperandType", oprndType}, {"ItemOperandAddress", address}, {"ItemColor", colour}, {"ItemBackColor", back}};
}
Json List(Json items, int32_t isLinked = 0) {
  return {{"ItemCount", items.size()}, {"ItemAt", items}, {"IsLinked", isLinked}};
}

// The element's frame in back colour 1, 2 or 3 (companions 9, 10, 11), and static text blocks
// at the frame's top left: font index, colour, one line, characters, the line's entry, text.
const std::string kFrame1 = Hx({"3c 00 14 00  da 07 00 00  01 09  00 00"});
const std::string kFrame2 = Hx({"3c 00 14 00  da 07 00 00  02 0a  00 00"});
const std::string kFrame3 = Hx({"3c 00 14 00  da 07 00 00  03 0b  00 00"});
const std::string kTextAB = Hx({"00 00  04  01 02 00  da 07 00 00 06 00  41 42 00 00"});   // 16 bytes, colour 4
const std::string kTextC = Hx({"00 00  05  01 01 00  da 07 00 00 06 00  43 00"});          // 14 bytes, colour 5
const std::string kTextDEF = Hx({"00 00  06  01 03 00  da 07 00 00 06 00  44 45 46 00"});  // 16 bytes, colour 6

const BlobCase kLists[] = {
    {"TextListEmpty", kVarTextList, Json::object(), "4c 4c 01 00 00 00"},
    {"TextListOneItemStartsTwoBytesOn", kVarTextList, List({Item("AB", 4, 1)}),
     Join({Hx({"4c 4c 01 00 01 00  02 00"}), kFrame1, kTextAB})},
    // Items at 12, 40 (12 + 28) and 66 (40 + 26); the entries at 6, 8 and 10.
    {"TextListThreeItemsInCollectionOrder", kVarTextList, List({Item("AB", 4, 1), Item("C", 5, 2), Item("DEF", 6, 3)}),
     Join({Hx({"4c 4c 01 00 03 00  06 00 20 00 38 00"}), kFrame1, kTextAB, kFrame2, kTextC, kFrame3, kTextDEF})},
    {"OperandTextListEmpty", kVarTextListRange, Json::object(), "4c 52 01 00 00 00"},
    // Items at 42 and 70; their offset fields at 22 and 40.
    {"OperandTextListTwoOperandsPerItem", kVarTextListRange,
     List({WithOperands(Item("AB", 4, 1), 2, 300, 3, 9), WithOperands(Item("C", 5, 2), 34, -5, 0, -1)}),
     Join({Hx({"4c 52 01 00 02 00", "02 00 2c 01 00 00 00 00  03 00 09 00 00 00 00 00  14 00",
               "22 00 fb ff ff ff 00 00  00 00 ff ff 00 00 00 00  1e 00"}),
           kFrame1, kTextAB, kFrame2, kTextC})},
    // Item 2 at 36: 30 bytes on from its offset field at 6.
    {"TextButtonTwoStates",
     kVarTextButton,
     {{"ItemAt", {Item("ON", 4, 1), Item("OFF", 5, 2)}}},
     Join({Hx({"4c 42 01 00  04 00  1e 00"}), kFrame1, Hx({"00 00 04 01 02 00 da 07 00 00 06 00 4f 4e 00 00"}), kFrame2,
           Hx({"00 00 05 01 03 00 da 07 00 00 06 00 4f 46 46 00"})})},
    // Two empty texts (one empty line each, 14 bytes): item 2 at 34.
    {"TextButtonWithoutItems", kVarTextButton, Json::object(),
     Hx({"4c 42 01 00  04 00  1c 00", "3c 00 14 00 da 07 00 00 00 08 00 00  00 00 00 01 00 00 da 07 00 00 06 00 00 00",
         "3c 00 14 00 da 07 00 00 00 08 00 00  00 00 00 01 00 00 da 07 00 00 06 00 00 00"})},
    // Linked blocks name the item's operand: 12 bytes each, items at 10 and 34.
    {"LinkedTextList", kVarTextList, List({LinkedItem(1, 5, 4, 1), LinkedItem(2, 7, 5, 2)}, -1),
     Join({Hx({"4c 4c 02 00 02 00  04 00 1a 00"}), kFrame1, Hx({"00 00 04 01 00 00 da 07 00 00 05 00"}), kFrame2,
           Hx({"00 00 05 01 00 00 da 07 00 00 07 00"})})},
    // Any IsLinked but 0 marks the texts as linked; only -1 sends them linked.
    {"IsLinkedOneSendsFixedTexts", kVarTextList, List({Item("AB", 4, 1)}, 1),
     Join({Hx({"4c 4c 02 00 01 00  02 00"}), kFrame1, kTextAB})},
};

class TextListRecords : public TextLists, public ::testing::WithParamInterface<BlobCase> {};

TEST_P(TextListRecords, WholeRecord) {
  EXPECT_EQ(KindBytes(Add(GetParam().varType, GetParam().blob)), GetParam().kindBytes);
  EXPECT_TRUE(project.Messages().messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, TextListRecords, ::testing::ValuesIn(kLists), ByName());

constexpr const char* kTooWide = "ABCDEFGHIJK";  // 66 pixels
const std::string kWarning = "Mode is too small to fit text inside. Please resize it to solve the problem.";

struct FitCase {
  const char* name;
  int32_t varType;
  Json blob;
  const char* elementText;
  std::vector<std::string> messages;
  friend void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }
};

const FitCase kFits[] = {
    {"AllFit", kVarTextList, List({Item("ABCDEFGHIJ", 4, 1), Item("C", 5, 2)}), "Mode", {}},
    {"OneTooWideAmongFitting",
     kVarTextList,
     List({Item("AB", 4, 1), Item(kTooWide, 4, 1), Item("C", 5, 2)}),
     "Mode",
     {kWarning}},
    {"SeveralTooWideStillOneWarning",
     kVarTextListRange,
     List({Item(kTooWide, 4, 1), Item(kTooWide, 4, 1)}),
     "Mode",
     {kWarning}},
    {"ButtonSecondStateTooWide",
     kVarTextButton,
     {{"ItemAt", {Item("ON", 4, 1), Item(kTooWide, 5, 2)}}},
     "Mode",
     {kWarning}},
    {"LinkedItemsTestedByTheirText",
     kVarTextList,
     List({WithOperands(Item(kTooWide, 4, 1), 0, 0, 0, 0)}, -1),
     "Mode",
     {kWarning}},
    {"ElementTextQuotedAsItIs",
     kVarTextList,
     List({Item(kTooWide, 4, 1)}),
     " Mode\r\nA",
     {" Mode\r\nA is too small to fit text inside. Please resize it to solve the problem."}},
};

class TextListFit : public TextLists, public ::testing::WithParamInterface<FitCase> {};

TEST_P(TextListFit, OneWarningPerElement) {
  KindBytes(Add(GetParam().varType, GetParam().blob, {{"Text", GetParam().elementText}}));
  EXPECT_EQ(project.Messages().Texts(), GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextListFit, ::testing::ValuesIn(kFits), ByName());

// The warning is the display's, and the record is stored with the fitted text; the element
// stays pending so that it is compiled again.
TEST_F(TextLists, TooWideItemIsStoredAndStaysPending) {
  int32_t id = Add(kVarTextList, List({Item("AB", 4, 1), Item(kTooWide, 4, 1)}), {{"GUID", 4321}});
  project.Compiler().CompileHmiElement(id);
  ASSERT_EQ(project.Messages().messages.size(), 1u);
  const RecordedMessage& m = project.Messages().messages[0];
  EXPECT_EQ(m.severity, kSeverityWarning);
  EXPECT_EQ(m.location, "Setup");
  EXPECT_EQ(m.displayId, display);
  std::string unit = project.UnitHex(4321);
  // Item 2 starts at 90 + 10 + 28; its character count is 12 + 4 bytes on: 10, "ABCDEFGHIJ".
  ASSERT_GT(unit.size(), (90 + 10 + 28 + 16) * 3u);
  EXPECT_EQ(unit.substr((90 + 10 + 28 + 16) * 3, 2), "0a");
  EXPECT_EQ(project.IsCompiled(4321), 0);
}

struct OffsetCase {
  const char* name;
  int32_t texts;      // rows of the text table: one anchor each in a linked block
  const char* bytes;  // the first 8, or the compile's error
  friend void PrintTo(const OffsetCase& c, std::ostream* os) { *os << c.name; }
};

// Item 1 (geometry 12 + linked block 12 + 4 per text) starts at 8: item 2's offset is
// 8 + 24 + 4 texts - 6.
const OffsetCase kOffsets[] = {
    {"NoTexts", 0, "4c 42 02 00 04 00 1a 00"},
    {"LargestOffset32766", 8185, "4c 42 02 00 04 00 fe 7f"},
    {"Offset32770Overflows", 8186, "Overflow"},
};

class TextButtonOffset : public TextLists, public ::testing::WithParamInterface<OffsetCase> {};

TEST_P(TextButtonOffset, SignedSixteenBits) {
  project.Db().Execute(
      "INSERT INTO ProjectTexts(TextIndex) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
      std::to_string(GetParam().texts) + ") SELECT i FROM n WHERE i <= " + std::to_string(GetParam().texts));
  int32_t id = Add(kVarTextButton, {{"IsLinked", -1}, {"ItemAt", {LinkedItem(0, 1, 4, 1), LinkedItem(0, 2, 4, 1)}}});
  EXPECT_EQ(KindBytes(id).substr(0, 23), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextButtonOffset, ::testing::ValuesIn(kOffsets), ByName());

}  // namespace
}  // namespace brisklet::test
