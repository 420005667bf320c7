// The property objects of the value elements: nested objects and arrays of objects are
// checked key by key when the blob is loaded, and a refused key is named by its path.
#include <gtest/gtest.h>

#include "base/RuntimeError.h"
#include "database/Value.h"
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
  RuntimeError e = ErrorOf([&] { Properties().LoadFromBinary(Blob(c.blob)); });  // "no error" when accepted
  EXPECT_EQ(e.Text(), c.text) << c.blob;
  EXPECT_NE(e.Detail().find("'" + std::string(c.mention) + "'"), std::string::npos) << c.blob << ": " << e.Detail();
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

}  // namespace
}  // namespace brisklet::test
