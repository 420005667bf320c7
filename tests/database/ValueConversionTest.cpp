// The checked conversions of field values: 32-bit, 16-bit, byte and text, at and past their
// limits, from numbers, numeric text and Null.
#include <gtest/gtest.h>

#include <functional>

#include "base/RuntimeError.h"
#include "database/Recordset.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

using Convert = std::function<std::string(const Value&)>;

const Convert kLong = [](const Value& v) { return std::to_string(v.ToLong("F")); };
const Convert kInteger = [](const Value& v) { return std::to_string(v.ToInteger("F")); };
const Convert kByte = [](const Value& v) { return std::to_string(v.ToByte("F")); };
const Convert kString = [](const Value& v) { return v.ToString("F"); };

struct Conversion {
  const char* name;
  Convert convert;
  Value value;
  const char* expected;  // the result, or the run-time error's text
};

const Conversion kConversions[] = {
    {"long max", kLong, int64_t{2147483647}, "2147483647"},
    {"long min", kLong, int64_t{-2147483647 - 1}, "-2147483648"},
    {"long past max", kLong, int64_t{2147483648}, "Overflow"},
    {"long past min", kLong, int64_t{-2147483649}, "Overflow"},
    {"long from a huge real", kLong, 1e300, "Overflow"},
    {"long rounds half to even", kLong, 2.5, "2"},
    {"long rounds half to even up", kLong, 3.5, "4"},
    {"long rounds a negative half", kLong, -2.5, "-2"},
    {"integer max", kInteger, 32767, "32767"},
    {"integer min", kInteger, -32768, "-32768"},
    {"integer past max", kInteger, 32768, "Overflow"},
    {"integer past min", kInteger, -32769, "Overflow"},
    {"byte max", kByte, 255, "255"},
    {"byte min", kByte, 0, "0"},
    {"byte past max", kByte, 256, "Overflow"},
    {"byte below zero", kByte, -1, "Overflow"},
    {"byte from a real rounding to 256", kByte, 255.5, "Overflow"},
    {"long from numeric text", kLong, "42", "42"},
    {"long from padded negative text", kLong, " -17 ", "-17"},
    {"long from real text", kLong, "2.5", "2"},
    {"long from text past max", kLong, "2147483648", "Overflow"},
    {"byte from text past max", kByte, "300", "Overflow"},
    {"long from words", kLong, "twelve", "Type mismatch"},
    {"long from empty text", kLong, "", "Type mismatch"},
    {"long from a byte array", kLong, Bytes{1, 2}, "Type mismatch"},
    {"long from Null", kLong, Value(), "Invalid use of Null"},
    {"integer from Null", kInteger, Value(), "Invalid use of Null"},
    {"byte from Null", kByte, Value(), "Invalid use of Null"},
    {"string from Null", kString, Value(), "Invalid use of Null"},
    {"string from a number", kString, int64_t{-12}, "-12"},
    {"string from a real", kString, 1.25, "1.25"},
    {"string from a whole real", kString, 3.0, "3"},
    {"string from text", kString, "Setup", "Setup"},
};

TEST(ValueConversion, ResultOrRunTimeError) {
  for (const Conversion& c : kConversions) {
    std::string got;
    try {
      got = c.convert(c.value);
    } catch (const RuntimeError& e) {
      got = e.Text();
    }
    EXPECT_EQ(got, c.expected) << c.name;
  }
}

// Through a recordset the error names the field that was read.
TEST(ValueConversion, ErrorOfAFieldNamesTheField) {
  TestProject project;
  project.Insert("Trends", {{"TrendID", 1}, {"Name", Value()}, {"HistoryPoints", int64_t{1} << 40}});
  Recordset rs(project.Db(), "SELECT * FROM Trends", kForwardOnly, kReadOnly);
  struct Read {
    std::function<void()> read;
    const char* field;
    const char* text;
  };
  const Read reads[] = {
      {[&] { rs.Str("Name"); }, "Name", "Invalid use of Null"},
      {[&] { rs.Long("HistoryPoints"); }, "HistoryPoints", "Overflow"},
  };
  for (const Read& r : reads) {
    try {
      r.read();
      ADD_FAILURE() << r.text << " was not raised for " << r.field;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Text(), r.text);
      EXPECT_NE(e.Detail().find(r.field), std::string::npos) << e.Detail();
    }
  }
}

}  // namespace
}  // namespace brisklet::test
