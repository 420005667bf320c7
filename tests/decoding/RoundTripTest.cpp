// Reading compiled records back: every record of the demo project and of a generated project
// decodes to its last byte, and its fields hold the source rows' values again (positions,
// sizes, colours, operands, texts, item counts), one case per element kind.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>

#include "support/CompiledProjects.h"
#include "decoding/RecordDecoder.h"
#include "support/KindFixture.h"

namespace brisklet::test {
namespace {

// The element's row, its first picture, and its frame and colour as the header stores them.
constexpr const char* kRowQuery =
    "SELECT e.*, e.Dx & 65535 AS DxBits, e.Dy & 65535 AS DyBits, e.ColorBack & 255 AS BackByte, "
    "i.Image_CRC AS ImageCrc, i.TransparencyLevel AS Transparency FROM HMI_Elements e "
    "LEFT JOIN ElementsAndImages i ON i.Element_ID = e.ID AND i.Image_Index = 0 WHERE e.ID = ?";

// What every element record holds of its row, whatever its kind.
const std::vector<std::pair<std::string, std::string>> kHeader = {{"\"VT\" normal position", "({Xs}, {Ys})"},
                                                                  {"\"VT\" normal width", "{DxBits}"},
                                                                  {"\"VT\" normal height", "{DyBits}"},
                                                                  {"\"VT\" normal colour", "{BackByte}"},
                                                                  {"\"VT\" tab index", "{TabIndex}"}};

// The element's columns by name (texts as they are, numbers in decimal) and its property blob.
struct Source {
  std::map<std::string, std::string> row;
  Json blob;
};

Source SourceOf(TestProject& project, int32_t elementId) {
  Source s;
  sqlite3_stmt* stmt = project.Db().Prepared(kRowQuery);
  sqlite3_bind_int(stmt, 1, elementId);
  EXPECT_EQ(sqlite3_step(stmt), SQLITE_ROW) << "element " << elementId;
  for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
    Value v = ColumnValue(stmt, i);
    s.row[sqlite3_column_name(stmt, i)] = v.IsText() ? *v.TextPtr() : v.SqlText();
  }
  sqlite3_reset(stmt);
  auto binary = s.row.find("Binary");
  if (binary != s.row.end() && binary->second != "Null") s.blob = Json::parse(binary->second);
  return s;
}

// A value written with the source's values put in: {Column} of the row, {/pointer} into the
// blob, {#/pointer} the length of an array there.
std::string Expand(const std::string& pattern, const Source& source) {
  std::string out;
  for (size_t i = 0; i < pattern.size();) {
    size_t open = pattern.find('{', i);
    out += pattern.substr(i, open - i);
    if (open == std::string::npos) break;
    size_t close = pattern.find('}', open);
    std::string key = pattern.substr(open + 1, close - open - 1);
    i = close + 1;
    if (key[0] == '#') {
      out += std::to_string(source.blob.at(Json::json_pointer(key.substr(1))).size());
    } else if (key[0] == '/') {
      const Json& v = source.blob.at(Json::json_pointer(key));
      out += v.is_string() ? v.get<std::string>() : v.dump();
    } else {
      out += source.row.at(key);
    }
  }
  return out;
}

// Each field holds its expected value, as stored or as its meaning.
void ExpectFields(const StoredRecord& r, const DecodedRecord& decoded, const Source& source,
                  const std::vector<std::pair<std::string, std::string>>& fields) {
  for (const auto& [name, pattern] : fields) {
    std::string expected = Expand(pattern, source);
    const DecodedField* f = decoded.Find(name);
    if (!f) {
      ADD_FAILURE() << r.label << " has no field " << name;
      continue;
    }
    EXPECT_TRUE(f->value == expected || f->meaning == expected)
        << r.label << " " << name << ": " << f->value << " = " << f->meaning << ", expected " << expected;
  }
}

// Every record decodes to its last byte, and every element record's header holds its row.
void ExpectEveryRecordReadBack(CompiledProject& p) {
  ASSERT_FALSE(p.records.empty());
  for (const StoredRecord& r : p.records) {
    DecodedRecord decoded = DecodeRecord(r.data, p.context);
    for (const std::string& problem : decoded.problems) ADD_FAILURE() << r.label << ": " << problem;
    if (r.elementId != 0) ExpectFields(r, decoded, SourceOf(p.project, r.elementId), kHeader);
  }
  Bytes table = p.project.Compiler().GetConvertionPageNumToPointerTable().front()->Data();
  DecodedRecord pages = DecodeRecord(table, p.context);
  EXPECT_TRUE(pages.Complete());
  EXPECT_EQ(pages.fields.size(), 1 + p.project.Scalar("SELECT COUNT(*) FROM Pages").ToLong());
}

TEST(RoundTrip, EveryRecordOfTheDemoProjectIsReadToItsLastByte) { ExpectEveryRecordReadBack(Demo()); }

TEST(RoundTrip, EveryRecordOfAGeneratedProjectIsReadToItsLastByte) { ExpectEveryRecordReadBack(Generated()); }

// One demo element of each kind and the fields that must hold its source's values.
struct KindCase {
  const char* name;
  int32_t element;
  std::vector<std::pair<std::string, std::string>> fields;
};
void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

class KindRoundTrip : public ::testing::TestWithParam<KindCase> {};

TEST_P(KindRoundTrip, FieldsHoldTheSourceValues) {
  CompiledProject& demo = Demo();
  const KindCase& c = GetParam();
  const StoredRecord* r = demo.RecordOf(c.element);
  ASSERT_NE(r, nullptr) << "element " << c.element << " has no stored record";
  DecodedRecord decoded = DecodeRecord(r->data, demo.context);
  ASSERT_NE(decoded.Find("\"" + std::string(c.name) + "\" tag"), nullptr) << r->label << " is not " << c.name;
  ExpectFields(*r, decoded, SourceOf(demo.project, c.element), c.fields);
}

const KindCase kKinds[] = {
    {"RC", 1, {{"\"RC\" colour", "{ColorFore}"}, {"\"RC\" pen width", "{PenWidth}"},
               {"\"RC\" top edge position", "({Xs}, {Ys})"}, {"\"RC\" top edge width", "{Dx}"},
               {"\"RC\" left edge height", "{Dy}"}}},
    {"LI", 2, {{"\"LI\" colour", "{ColorFore}"}, {"\"LI\" line start", "({Xs}, {Ys})"}, {"\"LI\" line width", "{Dx}"}}},
    {"EL", 3, {{"\"EL\" colour", "{ColorFore}"}, {"\"EL\" box position", "({Xs}, {Ys})"}, {"\"EL\" box height", "{Dy}"}}},
    {"RR", 4, {{"\"RR\" box position", "({Xs}, {Ys})"}, {"\"RR\" box width", "{Dx}"}}},
    {"PS", 5, {{"\"PS\" image position", "({Xs}, {Ys})"}, {"\"PS\" image image CRC", "{ImageCrc}"},
               {"\"PS\" image transparent", "{Transparency}"}}},
    {"LS", 6, {{"\"LS\" text mode", "own text"}, {"\"LS\" text line 1", "\"{Text}\""},
               {"\"LS\" text colour", "{ColorFore}"}}},
    {"BT", 8, {{"\"BT\" image image CRC", "{ImageCrc}"}, {"\"BT\" text line 1", "\"{Text}\""}}},
    {"FR", 9, {{"\"FR\" text mode", "text table"}, {"\"FR\" text text address", "{VarOprndAddr}"}}},
    {"PM", 14, {{"\"PM\" image position", "({Xs}, {Ys})"}, {"\"PM\" image image CRC", "{ImageCrc}"}}},
    {"LN", 20, {{"\"VT\" variable operand", "MI {VarOprndAddr} (memory integer)"},
                {"\"LN\" operand 1", "MI {/GetOperand1Addr} (memory integer)"}, {"\"LN\" units", "\"{/GetUnitsText}\""},
                {"\"LN\" format code", "{/GetFormatCode}"}}},
    {"EN", 21, {{"\"EN\" label text", "\"{Text}\""}, {"\"EN\" entry operand 2", "MI {/GetEntryOperand2Addr} (memory integer)"},
                {"\"EN\" count block count", "{/GetEntryCount}"}, {"\"EN\" count block entry code", "{/GetEntryCode}"}}},
    {"NR", 22, {{"\"NR\" range count", "{/GetRangeCount}"}, {"\"NR\" range 2 colour", "{/GetRange/1/GetRangeColor}"},
                {"\"NR\" range 3 limit 2", "constant integer {/GetRange/2/GetLimit2Addr}"},
                {"\"NR\" units", "\"{/GetUnitsText}\""}, {"\"NR\" default range colour", "{ColorBack}"}}},
    {"ER", 23, {{"\"ER\" units text operand", "MI {/GetUnitsSource/GetSourceOperandAddr} (memory integer)"},
                {"\"ER\" range 1 limit 1", "MI {/GetRange/0/GetLimit1Addr} (memory integer)"}}},
    {"LT", 24, {{"\"LT\" style", "{/GetTimerStyle}"}, {"\"LT\" format code", "{/GetTimerKind}"}}},
    {"ET", 25, {{"\"ET\" label text operand", "MI {StrStorageOprndAddr} (memory integer)"},
                {"\"ET\" count block entry code", "{/GetTimerEntryCode}"}}},
    {"LC", 26, {{"\"LC\" setting", "{/GetClockSetting}"}, {"\"LC\" font", "font {FontNumber} (Test, 14 px)"}}},
    {"EC", 27, {{"\"EC\" label text", "\"{Text}\""}, {"\"EC\" setting", "{/GetClockSetting}"}}},
    {"BG", 60, {{"\"BG\" setting 1", "project setting {/GetBarSetting1}"}, {"\"BG\" setting 2", "{/GetBarSetting2}"},
                {"\"BG\" first operand", "MI {/GetBarOperand1Addr} (memory integer)"},
                {"\"BG\" second operand", "constant integer {/GetBarOperand2Addr}"}}},
    {"MG", 61, {{"\"MG\" image position", "({Xs}, {Ys})"}, {"\"MG\" needle width", "{/GetNeedleWidth}"},
                {"\"MG\" value 2", "{/GetMeterValue2}"}}},
    {"TR", 63, {{"\"TR\" trend number", "{/GetTrendNumber}"}, {"\"TR\" curve count", "{#/GetCurves}"},
                {"\"TR\" curve 2 variable", "MI {/GetCurves/1/GetCurveOperandAddr} (memory integer)"},
                {"\"TR\" curve 1 name", "\"{/GetCurves/0/GetCurveName}\""}, {"\"TR\" point spacing", "{/GetPointSpacing}"},
                {"\"TR\" part 6 button colour", "{/GetButtonColor}"}, {"\"TR\" part 6 button label", "\">>\""}}},
    {"TS", 65, {{"\"TS\" operand B", "MI {/GetOperandBAddr} (memory integer)"},
                {"\"TS\" entry 2 operand 1", "MI {/GetEntries/1/GetEntryOperand1Addr} (memory integer)"},
                {"\"TS\" entry 1 setting", "{/GetEntries/0/GetEntrySetting}"},
                {"\"TS\" closing operand", "MI {/GetClosingOperandAddr} (memory integer)"},
                {"\"TS\" part 11 panel colour", "{/GetPanelColor}"}}},
    {"PB", 70, {{"\"PB\" picture 1 position", "({Xs}, {Ys})"}, {"\"PB\" picture 2 image CRC", "{/Image/1/ImageCrc}"}}},
    {"LB", 71, {{"\"LB\" item 1 text line 1", "\"{/ItemAt/0/ItemText}\""}, {"\"LB\" item 1 colour", "{/ItemAt/0/ItemBackColor}"},
                {"\"LB\" item 2 text line 1", "\"{/ItemAt/1/ItemText}\""}, {"\"LB\" item 2 text colour", "{/ItemAt/1/ItemColor}"}}},
    {"LL", 72, {{"\"LL\" item count", "{/ItemCount}"}, {"\"LL\" item 2 text line 1", "\"{/ItemAt/1/ItemText}\""},
                {"\"LL\" item 3 colour", "{/ItemAt/2/ItemBackColor}"}}},
    {"PL", 73, {{"\"PL\" picture count", "{/ImageCount}"}, {"\"PL\" picture 2 image CRC", "{/ImageAt/1/ImageCrc}"}}},
    {"LR", 74, {{"\"LR\" item count", "{/ItemCount}"},
                {"\"LR\" item 2 first operand", "constant integer {/ItemAt/1/FirstOperandAddress}"},
                {"\"LR\" item 1 text line 1", "\"{/ItemAt/0/ItemText}\""}}},
    {"PR", 75, {{"\"PR\" picture count", "{/ImageCount}"},
                {"\"PR\" picture 1 second operand", "constant integer {/ImageAt/0/SecondOperandAddress}"},
                {"\"PR\" picture 1 image CRC", "{/ImageAt/0/ImageCrc}"}}},
    {"TG", 76, {{"\"TG\" setting", "{/GetFrameSetting}"}, {"\"TG\" frame width", "{/GetFrameWidth}"},
                {"\"TG\" second operand", "MI {/GetFrameOperand2Addr} (memory integer)"},
                {"\"TG\" image image CRC", "{/GetFramePicture/ImageCrc}"}}},
    {"TM", 77, {{"\"TM\" point count", "{/GetPointCount}"}, {"\"TM\" area colour", "{/GetPlotColor}"},
                {"\"TM\" area width", "{/GetPlotArea/w}"}, {"\"TM\" first operand", "MI {/GetPlotOperand1Addr} (memory integer)"}}},
    {"LG", 79, {{"\"LG\" cell count", "{/GetCellCount}"}, {"\"LG\" setting 1", "{/GetCellSetting1}"}}},
    {"LF", 90, {{"\"LF\" entry mode", "mode {/EntryMode}"}, {"\"LF\" display style", "{/DisplayStyle}"},
                {"\"LF\" grid colour", "{ColorBack}"}}},
    {"EF", 91, {{"\"EF\" entry mode", "mode {/EntryMode}"}, {"\"EF\" label text", "\"{Text}\""},
                {"\"EF\" count block entry code", "{/EntryStyle}"}}},
    {"LO", 94, {{"\"LO\" display style", "{/DisplayStyle}"}, {"\"LO\" display option", "{/DisplayOption}"}}},
    {"LA", 96, {{"\"LA\" field length", "{/GetFieldLength}"}, {"\"LA\" operand", "MI {/GetFieldOperandAddr} (memory integer)"}}},
    {"EA", 97, {{"\"EA\" label text operand", "MI {StrStorageOprndAddr} (memory integer)"},
                {"\"EA\" field length", "{/GetFieldLength}"}, {"\"EA\" style", "{/GetFieldStyle}"}}},
    {"EP", 98, {{"\"EP\" label text", "\"{Text}\""}, {"\"EP\" code operand", "MI {/GetCodeOperandAddr} (memory integer)"},
                {"\"EP\" text 1 code value", "{/GetCodeValue}"}, {"\"EP\" text 2 text", "\"{/GetText2}\""},
                {"\"EP\" entry style", "{/GetEntryStyle}"}}},
    {"EO", 99, {{"\"EO\" label text", "\"{Text}\""}, {"\"EO\" count block entry code", "{/EntryStyle}"},
                {"\"EO\" display style", "{/DisplayStyle}"}}},
    {"EU", 100, {{"\"EU\" label text", "\"{Text}\""}, {"\"EU\" count block entry code", "{/EntryStyle}"}}},
    {"LU", 101, {{"\"LU\" display option", "{/DisplayOption}"}, {"\"LU\" mode code", "{/ModeKind}"}}},
};
INSTANTIATE_TEST_SUITE_P(Demo, KindRoundTrip, ::testing::ValuesIn(kKinds), ByName());

}  // namespace
}  // namespace brisklet::test
