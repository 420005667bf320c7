// The decoder as a checker: a record that is cut short, grown, or holds bytes its layout does
// not allow is reported, never a crash.
#include <gtest/gtest.h>

#include <functional>

#include "decoding/RecordDecoder.h"
#include "support/CompiledProjects.h"
#include "support/KindFixture.h"

namespace brisklet::test {
namespace {

// Every record of the demo, cut anywhere, is read without a crash; one byte short or one byte
// long, it has a problem.
TEST(Decoders, RecordsCutShortOrGrownAreReported) {
  for (const StoredRecord& r : Demo().records) {
    for (size_t length = 0; length < r.data.size(); ++length) {
      Bytes cut(r.data.begin(), r.data.begin() + static_cast<std::ptrdiff_t>(length));
      DecodedRecord decoded = DecodeRecord(cut, Demo().context);
      if (length + 1 == r.data.size()) {
        EXPECT_FALSE(decoded.Complete()) << r.label << " one byte short";
      }
    }
    Bytes grown = r.data;
    grown.push_back(0);
    EXPECT_FALSE(DecodeRecord(grown, Demo().context).Complete()) << r.label << " one byte long";
  }
}

// A demo record with some of its bytes changed, and what the decoder finds wrong with it.
struct BrokenCase {
  const char* name;
  int32_t element;  // 0: the record of display 1
  std::function<void(Bytes&)> change;
  std::vector<std::string> problems;
};
void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }

class BrokenRecord : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenRecord, SaysWhatIsWrong) {
  const BrokenCase& c = GetParam();
  auto display = std::find_if(Demo().records.begin(), Demo().records.end(),
                              [](const StoredRecord& r) { return r.displayId == 1; });
  Bytes record = c.element == 0 ? display->data : Demo().RecordOf(c.element)->data;
  c.change(record);
  EXPECT_EQ(DecodeRecord(record, Demo().context).problems, c.problems);
}

// clang-format off
const BrokenCase kBroken[] = {
    {"ShortRectangle", 1, [](Bytes& b) { b.pop_back(); },
     {"the record ends at byte 125, but \"RC\" left edge position needs 4 bytes at 122"}},
    {"LongRectangle", 1, [](Bytes& b) { b.push_back(7); },
     {"1 byte left over after the last field, from byte 126: 07"}},
    {"ReservedHeaderByte", 1, [](Bytes& b) { b[14] = 1; }, {"\"VT\" reserved at 14 is 01 00, expected every byte 00"}},
    {"UnknownKind", 1, [](Bytes& b) { b[90] = 'Z', b[91] = 'Z'; },
     {"no decoder reads kind bytes that begin with \"ZZ\""}},
    {"NotARecord", 1, [](Bytes& b) { b = {'X', 'Y', 1}; }, {"not a download record: it begins with 58 59"}},
    {"TextLineMisplaced", 6, [](Bytes& b) { b[104] += 2; },
     {"\"LS\" text: line 1's entry leads to byte 108, but its characters start at 106"}},
    {"CharacterCountWrong", 6, [](Bytes& b) { b[98] += 1; },
     {"\"LS\" text: the character count is 14, but the lines hold 13"}},
    {"JumpsMisplaced", 0, [](Bytes& b) { b[30] += 2; },
     {"\"PT\": the jumps offset is 54, but the jumps block starts at 52"}},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Demo, BrokenRecord, ::testing::ValuesIn(kBroken), ByName());

}  // namespace
}  // namespace brisklet::test
