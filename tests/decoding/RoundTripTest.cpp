// Reading compiled records back: every record of the demo project and of a generated project
// decodes to its last byte, and its fields hold the source rows' values again (positions,
// sizes, colours, operands, texts, item counts), one case per element kind.
#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>

#include "decoding/RecordDecoder.h"
#include "support/CompiledProjects.h"
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

// One demo element of each kind and the fields that must hold its source's values (named
// within the kind's part, or in full with their part's tag).
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
  std::string kind = "\"" + std::string(c.name) + "\" ";
  ASSERT_NE(decoded.Find(kind + "tag"), nullptr) << r->label << " is not " << c.name;
  std::vector<std::pair<std::string, std::string>> fields;
  for (const auto& [name, pattern] : c.fields) fields.push_back({name[0] == '"' ? name : kind + name, pattern});
  ExpectFields(*r, decoded, SourceOf(demo.project, c.element), fields);
}

// clang-format off
const KindCase kKinds[] = {
    {"RC", 1, {{"colour", "{ColorFore}"}, {"pen width", "{PenWidth}"},
               {"top edge position", "({Xs}, {Ys})"}, {"top edge width", "{Dx}"},
               {"left edge height", "{Dy}"}}},
    {"LI", 2, {{"colour", "{ColorFore}"}, {"line start", "({Xs}, {Ys})"}, {"line width", "{Dx}"}}},
    {"EL", 3, {{"colour", "{ColorFore}"}, {"box position", "({Xs}, {Ys})"}, {"box height", "{Dy}"}}},
    {"RR", 4, {{"box position", "({Xs}, {Ys})"}, {"box width", "{Dx}"}}},
    {"PS", 5, {{"image position", "({Xs}, {Ys})"}, {"image image CRC", "{ImageCrc}"},
               {"image transparent", "{Transparency}"}}},
    {"LS", 6, {{"text mode", "own text"}, {"text line 1", "\"{Text}\""},
               {"text colour", "{ColorFore}"}}},
    {"BT", 8, {{"image image CRC", "{ImageCrc}"}, {"text line 1", "\"{Text}\""}}},
    {"FR", 9, {{"text mode", "text table"}, {"text text address", "{VarOprndAddr}"}}},
    {"PM", 14, {{"image position", "({Xs}, {Ys})"}, {"image image CRC", "{ImageCrc}"}}},
    {"LN", 20, {{"\"VT\" variable operand", "MI {VarOprndAddr} (memory integer)"},
                {"operand 1", "MI {/GetOperand1Addr} (memory integer)"}, {"units", "\"{/GetUnitsText}\""},
                {"format code", "{/GetFormatCode}"}}},
    {"EN", 21, {{"label text", "\"{Text}\""}, {"entry operand 2", "MI {/GetEntryOperand2Addr} (memory integer)"},
                {"count block count", "{/GetEntryCount}"}, {"count block entry code", "{/GetEntryCode}"}}},
    {"NR", 22, {{"range count", "{/GetRangeCount}"}, {"range 2 colour", "{/GetRange/1/GetRangeColor}"},
                {"range 3 limit 2", "constant integer {/GetRange/2/GetLimit2Addr}"},
                {"units", "\"{/GetUnitsText}\""}, {"default range colour", "{ColorBack}"}}},
    {"ER", 23, {{"units text operand", "MI {/GetUnitsSource/GetSourceOperandAddr} (memory integer)"},
                {"range 1 limit 1", "MI {/GetRange/0/GetLimit1Addr} (memory integer)"}}},
    {"LT", 24, {{"style", "{/GetTimerStyle}"}, {"font", "font {FontNumber} (Test, 14 px)"}}},
    {"ET", 25, {{"label text operand", "MI {StrStorageOprndAddr} (memory integer)"},
                {"count block entry code", "{/GetTimerEntryCode}"}}},
    {"LC", 26, {{"setting", "{/GetClockSetting}"}, {"font", "font {FontNumber} (Test, 14 px)"}}},
    {"EC", 27, {{"label text", "\"{Text}\""}, {"setting", "{/GetClockSetting}"}}},
    {"BG", 60, {{"setting 1", "project setting {/GetBarSetting1}"}, {"setting 2", "{/GetBarSetting2}"},
                {"first operand", "MI {/GetBarOperand1Addr} (memory integer)"},
                {"second operand", "constant integer {/GetBarOperand2Addr}"}}},
    {"MG", 61, {{"image position", "({Xs}, {Ys})"}, {"needle width", "{/GetNeedleWidth}"},
                {"value 2", "{/GetMeterValue2}"}}},
    {"TR", 63, {{"trend number", "{/GetTrendNumber}"}, {"curve count", "{#/GetCurves}"},
                {"curve 2 variable", "MI {/GetCurves/1/GetCurveOperandAddr} (memory integer)"},
                {"curve 1 name", "\"{/GetCurves/0/GetCurveName}\""}, {"point spacing", "{/GetPointSpacing}"},
                {"part 6 button colour", "{/GetButtonColor}"}, {"part 6 button label", "\">>\""}}},
    {"TS", 65, {{"operand B", "MI {/GetOperandBAddr} (memory integer)"},
                {"entry 2 operand 1", "MI {/GetEntries/1/GetEntryOperand1Addr} (memory integer)"},
                {"entry 1 setting", "{/GetEntries/0/GetEntrySetting}"},
                {"closing operand", "MI {/GetClosingOperandAddr} (memory integer)"},
                {"part 11 panel colour", "{/GetPanelColor}"}}},
    {"PB", 70, {{"picture 1 position", "({Xs}, {Ys})"}, {"picture 2 image CRC", "{/Image/1/ImageCrc}"}}},
    {"LB", 71, {{"item 1 text line 1", "\"{/ItemAt/0/ItemText}\""}, {"item 1 colour", "{/ItemAt/0/ItemBackColor}"},
                {"item 2 text line 1", "\"{/ItemAt/1/ItemText}\""}, {"item 2 text colour", "{/ItemAt/1/ItemColor}"}}},
    {"LL", 72, {{"item count", "{/ItemCount}"}, {"item 2 text line 1", "\"{/ItemAt/1/ItemText}\""},
                {"item 3 colour", "{/ItemAt/2/ItemBackColor}"}}},
    {"PL", 73, {{"picture count", "{/ImageCount}"}, {"picture 2 image CRC", "{/ImageAt/1/ImageCrc}"}}},
    {"LR", 74, {{"item count", "{/ItemCount}"},
                {"item 2 first operand", "constant integer {/ItemAt/1/FirstOperandAddress}"},
                {"item 1 text line 1", "\"{/ItemAt/0/ItemText}\""}}},
    {"PR", 75, {{"picture count", "{/ImageCount}"},
                {"picture 1 second operand", "constant integer {/ImageAt/0/SecondOperandAddress}"},
                {"picture 1 image CRC", "{/ImageAt/0/ImageCrc}"}}},
    {"TG", 76, {{"setting", "{/GetFrameSetting}"}, {"frame width", "{/GetFrameWidth}"},
                {"second operand", "MI {/GetFrameOperand2Addr} (memory integer)"},
                {"image image CRC", "{/GetFramePicture/ImageCrc}"}}},
    {"TM", 77, {{"point count", "{/GetPointCount}"}, {"area colour", "{/GetPlotColor}"},
                {"area width", "{/GetPlotArea/w}"},
                {"first operand", "MI {/GetPlotOperand1Addr} (memory integer)"}}},
    {"LG", 79, {{"cell count", "{/GetCellCount}"}, {"setting 1", "{/GetCellSetting1}"}}},
    {"LF", 90, {{"entry mode", "mode {/EntryMode}"}, {"display style", "{/DisplayStyle}"},
                {"grid colour", "{ColorBack}"}}},
    {"EF", 91, {{"entry mode", "mode {/EntryMode}"}, {"label text", "\"{Text}\""},
                {"count block entry code", "{/EntryStyle}"}}},
    {"LO", 94, {{"display style", "{/DisplayStyle}"}, {"display option", "{/DisplayOption}"}}},
    {"LA", 96, {{"field length", "{/GetFieldLength}"},
                {"operand", "MI {/GetFieldOperandAddr} (memory integer)"}}},
    {"EA", 97, {{"label text operand", "MI {StrStorageOprndAddr} (memory integer)"},
                {"field length", "{/GetFieldLength}"}, {"style", "{/GetFieldStyle}"}}},
    {"EP", 98, {{"label text", "\"{Text}\""}, {"code operand", "MI {/GetCodeOperandAddr} (memory integer)"},
                {"text 1 code value", "{/GetCodeValue}"}, {"text 2 text", "\"{/GetText2}\""},
                {"entry style", "{/GetEntryStyle}"}}},
    {"EO", 99, {{"label text", "\"{Text}\""}, {"count block entry code", "{/EntryStyle}"},
                {"display style", "{/DisplayStyle}"}}},
    {"EU", 100, {{"label text", "\"{Text}\""}, {"count block entry code", "{/EntryStyle}"}}},
    {"LU", 101, {{"display option", "{/DisplayOption}"}, {"font", "font {FontNumber} (Test, 14 px)"}}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Demo, KindRoundTrip, ::testing::ValuesIn(kKinds), ByName());

}  // namespace
}  // namespace brisklet::test
