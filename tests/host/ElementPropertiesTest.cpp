// Element property objects loaded from HMI_Elements.Binary: the values their getters give,
// the blobs they refuse, and where a refused blob is reported when an element is compiled.
#include <gtest/gtest.h>

#include "base/RuntimeError.h"
#include "elements/CellLayoutProperties.h"
#include "elements/KindProperties.h"
#include "elements/PointListProperties.h"
#include "host/properties/PlainJson.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

Bytes Blob(const std::string& text) { return Bytes(text.begin(), text.end()); }

TEST(ElementProperties, GettersReadTheLoadedValues) {
  const std::pair<const char*, int32_t> switches[] = {{"", 0},
                                                      {"{}", 0},
                                                      {R"({"IsSwitch": true})", -1},
                                                      {R"({"IsSwitch": false})", 0},
                                                      {" {\"IsSwitch\" : true}\n", -1}};
  for (const auto& [blob, isSwitch] : switches) {
    ButtonProperties button;
    button.LoadFromBinary(Blob(blob));
    EXPECT_EQ(button.IsSwitch(), isSwitch) << blob;
    button.LoadFromBinary({});  // a load replaces whatever an earlier load gave
    EXPECT_EQ(button.IsSwitch(), 0) << blob;
  }
  const std::pair<const char*, int32_t> modes[] = {{"{}", 0},
                                                   {R"({"EntryMode": 3})", 3},
                                                   {R"({"EntryMode": -2147483648})", -2147483647 - 1},
                                                   {R"({"EntryMode": 2147483647})", 2147483647}};
  for (const auto& [blob, mode] : modes) {
    EntryFieldProperties entry;
    entry.LoadFromBinary(Blob(blob));
    EXPECT_EQ(entry.EntryMode(), mode) << blob;
  }
}

struct Refusal {
  bool button;  // ButtonProperties, or EntryFieldProperties
  const char* blob;
  const char* text;     // the run-time error's text
  const char* mention;  // what its detail names ("" when it names no key)
};

// clang-format off
const Refusal kRefusals[] = {
  {true, R"({"IsSwitch": true, "EntryMode": 2})", "Invalid property data", "EntryMode"},  // not a button getter
  {true, R"({"isswitch": true})", "Invalid property data", "isswitch"},                   // names are exact
  {true, R"({"IsSwitch": 1})", "Invalid property data", "IsSwitch"},
  {true, R"({"IsSwitch": "true"})", "Invalid property data", "IsSwitch"},
  {true, R"({"IsSwitch": null})", "Invalid property data", "IsSwitch"},
  {true, R"({"IsSwitch": {}})", "Invalid property data", "IsSwitch"},
  {true, R"({"IsSwitch": true)", "Invalid property data", ""},  // not JSON
  {true, "IsSwitch=1", "Invalid property data", ""},
  {true, "[true]", "Invalid property data", ""},  // JSON, but not an object
  {true, "true", "Invalid property data", ""},
  {false, R"({"EntryMode": 2147483648})", "Overflow", "EntryMode"},
  {false, R"({"EntryMode": -2147483649})", "Overflow", "EntryMode"},
  {false, R"({"EntryMode": 2.5})", "Invalid property data", "EntryMode"},
  {false, R"({"EntryMode": "3"})", "Invalid property data", "EntryMode"},
  {false, R"({"EntryMode": true})", "Invalid property data", "EntryMode"},
  {false, R"({"IsSwitch": true})", "Invalid property data", "IsSwitch"},
};
// clang-format on

TEST(ElementProperties, RefusedBlobs) {
  for (const Refusal& c : kRefusals) {
    RuntimeError e = ErrorOf([&] {
      if (c.button) {
        ButtonProperties().LoadFromBinary(Blob(c.blob));
      } else {
        EntryFieldProperties().LoadFromBinary(Blob(c.blob));
      }
    });
    EXPECT_EQ(e.Text(), c.text) << c.blob;
    EXPECT_NE(e.Detail().find(c.mention), std::string::npos) << c.blob << ": " << e.Detail();
  }
}

// The header of a button reads IsSwitch (its touch kind) and of an entry field EntryMode:
// a refused blob ends the compile with an error that names the element, its GUID and its
// display, and nothing is stored.
TEST(ElementProperties, ARefusedBlobNamesTheElementBeingCompiled) {
  const std::pair<int32_t, const char*> kinds[] = {{1, R"({"IsSwitch": 1})"}, {6, R"({"Mode": 2})"}};
  for (const auto& [varType, blob] : kinds) {
    TestProject project;
    project.AddModule("Main");
    project.AddDisplay({{"Id", 2}, {"ModuleID", 1}});
    int32_t id = project.AddElement({{"ID", 10},
                                     {"GUID", 2010},
                                     {"DisplayID", 2},
                                     {"Type", 5},
                                     {"VarType", varType},
                                     {"TouchOprndAddr", -2},
                                     {"Binary", blob}});
    RuntimeError e = ErrorOf([&] { project.Compiler().CompileHmiElement(id); });
    EXPECT_EQ(e.Text(), "Invalid property data") << blob;
    EXPECT_EQ(e.Where(), (std::vector<std::string>{"element 10 (GUID 2010) on display 2"})) << blob;
    EXPECT_NE(e.Describe().find(varType == 1 ? "IsSwitch" : "Mode"), std::string::npos) << e.Describe();
    EXPECT_EQ(project.UnitHex(2010), "") << blob;
    EXPECT_EQ(project.IsCompiled(2010), 0) << blob;
    EXPECT_TRUE(project.Messages().calls.empty()) << blob;
  }
}

// In a compiled header: a Null or empty blob reads as {}, so a button without settings is
// no switch (touch kind 0 without a touch operand); with IsSwitch true it is one (kind 6).
TEST(ElementProperties, TouchKindOfAButtonFollowsItsBlob) {
  TestProject project;
  project.AddModule("Main");
  project.AddDisplay({{"Id", 2}, {"ModuleID", 1}});
  const std::pair<Value, int> cases[] = {{Value(), 0},
                                         {Value(Bytes{}), 0},
                                         {Value(""), 0},
                                         {Value(R"({"IsSwitch": false})"), 0},
                                         {Value(R"({"IsSwitch": true})"), 6},
                                         {Value(Blob(R"({"IsSwitch": true})")), 6}};
  for (const auto& [blob, touchKind] : cases) {
    int32_t id = project.AddElement({{"DisplayID", 2}, {"Type", 5}, {"VarType", 2}, {"Binary", blob}});
    Bytes record = project.Compiler().ElementRecord(id);
    ASSERT_GE(record.size(), 5u);
    EXPECT_EQ(record[4], touchKind) << "touch kind of " << blob.SqlText();
  }
}

// The 64-bit, number-array and byte-array getters of the cell layout and the point list.
TEST(ElementProperties, WideNumbersAndArrays) {
  CellLayoutProperties cells;
  cells.LoadFromBinary(Blob(R"({"GetCellValue1": -9223372036854775808, "GetCellValue2": 9223372036854775807,
                                "GetCellEntries": [0, 255]})"));
  EXPECT_EQ(cells.GetCellValue1(), INT64_MIN);
  EXPECT_EQ(cells.GetCellValue2(), INT64_MAX);
  EXPECT_EQ(cells.GetCellEntries(), (Bytes{0, 255}));
  PointListProperties plot;
  plot.LoadFromBinary(Blob(R"({"GetPointCoordinates": {"X": [-2147483648, 2147483647]}})"));
  EXPECT_EQ(plot.GetPointCoordinates().X(), (std::vector<int32_t>{INT32_MIN, INT32_MAX}));
  EXPECT_TRUE(plot.GetPointCoordinates().Y().empty());
  struct WideRefusal {
    const char* blob;
    const char* text;
    const char* mention;
  };
  const WideRefusal cases[] = {
      {R"({"GetCellValue1": 9223372036854775808})", "Overflow", "GetCellValue1"},
      {R"({"GetCellEntries": [0, 256]})", "Overflow", "GetCellEntries[1]"},
      {R"({"GetCellEntries": [-1]})", "Overflow", "GetCellEntries[0]"},
      {R"({"GetCellEntries": [1.5]})", "Invalid property data", "GetCellEntries[0]"},
      {R"({"GetCellEntries": "0102"})", "Invalid property data", "GetCellEntries"},
      {R"({"GetPointCoordinates": {"X": [2147483648]}})", "Overflow", "GetPointCoordinates.X[0]"},
      {R"({"GetPointCoordinates": {"X": [true]}})", "Invalid property data", "GetPointCoordinates.X[0]"},
  };
  for (const WideRefusal& c : cases) {
    try {
      if (std::string(c.mention).starts_with("GetPoint")) plot.LoadFromBinary(Blob(c.blob));
      else cells.LoadFromBinary(Blob(c.blob));
      ADD_FAILURE() << c.blob << " was accepted";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Text(), c.text) << c.blob;
      EXPECT_NE(e.Detail().find("'" + std::string(c.mention) + "'"), std::string::npos) << c.blob << ": " << e.Detail();
    }
  }
}

// The quick reader of plain blobs reads what nlohmann reads, to the type of each number, and
// leaves every other text to it (the fuzzer tries many more).
TEST(ElementProperties, QuickReaderAgreesWithNlohmann) {
  const std::pair<const char*, bool> texts[] = {
      {R"({"GetMask": "99.9", "GetOperand1Addr": 55000, "GetEntryCount": -1, "On": true, "Off": false})", true},
      {R"( {"A": {"B": [1, {"C": null}, []], "D": {}}, "E": "", "": 0, "F": -0} )", true},
      {R"({"Max": 999999999999999999, "Min": -999999999999999999})", true},
      {R"({"Big": 1000000000000000000})", false},  // beyond 18 digits: nlohmann reads it
      {R"({"Huge": -98765432109876543210987654321})", false},
      {R"({"A": 1.5})", false},
      {R"({"A": 1e3})", false},
      {R"({"A": "\u00e9"})", false},
      {"{\"A\": \"\xc3\xa9\"}", false},
      {R"({"A": 1, "A": 2})", false},  // a repeated key: the last wins in nlohmann
      {R"({"A": 01})", false},
      {R"({"A": 1,})", false},
      {R"({"A": tru})", false},
      {R"({"A": 1} x)", false},
      {R"([1, 2])", false},
      {"\xef\xbb\xbf{}", false},
  };
  for (const auto& [text, quick] : texts) {
    Bytes blob = Blob(text);
    std::optional<nlohmann::json> plain = ReadPlainJsonObject(blob);
    EXPECT_EQ(plain.has_value(), quick) << text;
    if (plain) {
      EXPECT_TRUE(IdenticalJson(*plain, nlohmann::json::parse(blob))) << text;
    }
  }
}

}  // namespace
}  // namespace brisklet::test
