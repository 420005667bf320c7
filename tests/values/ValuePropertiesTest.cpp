// The property objects of the value elements: nested objects and indexed arrays are checked
// key by key when the blob is loaded, indexed getters count from 1, and the text object of a
// timer or clock is one object however often it is asked for.
#include <gtest/gtest.h>

#include "base/RuntimeError.h"
#include "elements/NumericProperties.h"
#include "elements/TimerProperties.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

Bytes Blob(const std::string& text) { return Bytes(text.begin(), text.end()); }

struct Refusal {
  const char* blob;
  const char* text;     // the run-time error's text
  const char* mention;  // the key as the detail names it
};

template <class Properties>
void ExpectRefused(const Refusal& c) {
  Properties p;
  try {
    p.LoadFromBinary(Blob(c.blob));
    ADD_FAILURE() << c.blob << " was accepted";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Text(), c.text) << c.blob;
    EXPECT_NE(e.Detail().find("'" + std::string(c.mention) + "'"), std::string::npos) << c.blob << ": " << e.Detail();
  }
}

TEST(ValueProperties, NestedKeysAndTypesAreChecked) {
  const Refusal numeric[] = {
      {R"({"GetUnitsSource": {"GetSourceColour": 1}})", "Invalid property data", "GetUnitsSource.GetSourceColour"},
      {R"({"GetUnitsSource": {"GetSourceText": 5}})", "Invalid property data", "GetUnitsSource.GetSourceText"},
      {R"({"GetUnitsSource": []})", "Invalid property data", "GetUnitsSource"},
      {R"({"IsUnitsLinked": true})", "Invalid property data", "IsUnitsLinked"},  // a Long, even for 0 / -1
      {R"({"GetRangeCount": 1})", "Invalid property data", "GetRangeCount"},     // not a getter of a plain number
  };
  for (const Refusal& c : numeric) ExpectRefused<NumericProperties>(c);
  const Refusal ranges[] = {
      {R"({"GetRange": [{}, {"GetRangeCode": "1"}]})", "Invalid property data", "GetRange[1].GetRangeCode"},
      {R"({"GetRange": [{"GetRangeColour": 1}]})", "Invalid property data", "GetRange[0].GetRangeColour"},
      {R"({"GetRange": [1]})", "Invalid property data", "GetRange[0]"},
      {R"({"GetRange": {}})", "Invalid property data", "GetRange"},
      {R"({"GetRange": [{"GetLimit1Addr": 4294967296}]})", "Overflow", "GetRange[0].GetLimit1Addr"},
  };
  for (const Refusal& c : ranges) ExpectRefused<RangeNumericProperties>(c);
  ExpectRefused<TimerProperties>(
      {R"({"GetTextObject": {"GetFont": 1.5}})", "Invalid property data", "GetTextObject.GetFont"});
}

// A number with colour ranges has every getter of a number as well.
TEST(ValueProperties, RangesExtendTheNumber) {
  RangeNumericProperties p;
  p.LoadFromBinary(Blob(R"({"GetMask": "99", "GetUnitsSource": {"GetSourceColor": 7}, "GetRangeCount": 2})"));
  const NumericProperties& number = p;
  EXPECT_EQ(number.GetMask(), "99");
  EXPECT_EQ(number.GetUnitsSource().GetSourceColor(), 7);
  EXPECT_EQ(number.GetUnitsSource().GetSourceText(), "");  // missing: the zero value
  EXPECT_EQ(p.GetRangeCount(), 2);
}

TEST(ValueProperties, IndexedGetterCountsFromOne) {
  RangeNumericProperties p;
  p.LoadFromBinary(Blob(R"({"GetRange": [{"GetRangeCode": 5}, {"GetRangeCode": 6}]})"));
  EXPECT_EQ(p.GetRange(1).GetRangeCode(), 5);
  EXPECT_EQ(p.GetRange(2).GetRangeCode(), 6);
  for (int32_t index : {0, 3}) {
    try {
      p.GetRange(index);
      ADD_FAILURE() << "GetRange(" << index << ") answered";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Text(), "Invalid property data");
      EXPECT_NE(e.Detail().find("GetRange(" + std::to_string(index) + ")"), std::string::npos) << e.Detail();
    }
  }
}

// What the compiler sets on the text object, the size service reads from it again.
TEST(ValueProperties, TextObjectIsOneObject) {
  TimerProperties p;
  p.LoadFromBinary(Blob(R"({"GetTextObject": {"GetText": "MM", "GetFont": 2}})"));
  TextObject first = p.GetTextObject();
  first.SetFont(4);
  first.SetFrameStyle(3);
  EXPECT_EQ(p.GetTextObject().GetFont(), 4);
  EXPECT_EQ(p.GetTextObject().GetFrameStyle(), 3);
  EXPECT_EQ(p.GetTextObject().GetText(), "MM");
  TimerProperties empty;  // no text object in the blob: one is made, empty
  empty.GetTextObject().SetText("SS");
  EXPECT_EQ(empty.GetTextObject().GetText(), "SS");
}

TEST(ValueProperties, ARefusedNestedKeyNamesTheElement) {
  TestProject project;
  project.AddModule("Main");
  project.AddDisplay({{"Id", 2}, {"ModuleID", 1}});
  int32_t id = project.AddElement({{"ID", 10},
                                   {"GUID", 2010},
                                   {"DisplayID", 2},
                                   {"Type", 5},
                                   {"VarType", 29},
                                   {"Binary", R"({"GetRange": [{"GetRangeColor": "red"}]})"}});
  try {
    project.Compiler().CompileHmiElement(id);
    FAIL() << "the blob was accepted";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.Describe(),
              "Invalid property data (property 'GetRange[0].GetRangeColor' is a string, expected a number) in element "
              "10 (GUID 2010) on display 2");
  }
  EXPECT_EQ(project.UnitHex(2010), "");
}

}  // namespace
}  // namespace brisklet::test
