// The label that begins the entry forms is one block for every kind: the same length byte
// and FF pad for the numbers ("EN"), the text field ("EA") and the entry text ("EP"); the
// string entries and the entry field ("EO", "EU", "EF") end their label text with a zero,
// which takes the place of the length byte in the count.
#include <gtest/gtest.h>

#include "support/KindFixture.h"

namespace brisklet::test {
namespace {

Columns Labelled(int32_t varType, const char* text, int32_t touch = -2, const std::string& blob = "{}") {
  return {{"VarType", varType}, {"Text", text}, {"TouchOprndAddr", touch}, {"Binary", blob}};
}
const std::string kTimeEntry = R"({"EntryMode": 1})";

// clang-format off
const KindCase kLabels[] = {
  {"NumberOf4CharactersPadded", Labelled(8, "Flow"), "45 4e 00 06 46 6c 6f 77 ff 01", 0},
  {"TextFieldOf4CharactersPadded", Labelled(15, "Flow"), "45 41 00 06 46 6c 6f 77 ff 00 00", 0},
  {"EntryTextOf4CharactersPadded", Labelled(30, "Flow", -1), "45 50 00 06 46 6c 6f 77 ff 00 00", 0},
  {"StringEntryOf4CharactersPadded", Labelled(16, "Flow"), "45 4f 00 06 46 6c 6f 77 00 ff 01", 0},
  {"NumberOf5Characters", Labelled(8, "Speed"), "45 4e 00 06 53 70 65 65 64 01", 0},
  {"TextFieldOf5Characters", Labelled(15, "Speed"), "45 41 00 06 53 70 65 65 64 00 00", 0},
  {"EntryTextOf5Characters", Labelled(30, "Speed", -1), "45 50 00 06 53 70 65 65 64 00 00", 0},
  {"UnicodeEntryOf5Characters", Labelled(19, "Speed"), "45 55 00 06 53 70 65 65 64 00 01", 0},
  {"EntryFieldOf2CharactersPadded", Labelled(6, "AB", -2, kTimeEntry), "45 46 00 04 41 42 00 ff 01", 0},
  {"EntryTextEmptyPadded", Labelled(30, "", -1), "45 50 00 02 ff 00 00", 0},
  {"StringEntryEmptyPadded", Labelled(16, ""), "45 4f 00 02 00 ff 01", 0},
};
// clang-format on

class EntryLabel : public KindBytesTest {};
TEST_P(EntryLabel, LengthAndPad) { ExpectKindBytes(); }
INSTANTIATE_TEST_SUITE_P(Kinds, EntryLabel, ::testing::ValuesIn(kLabels), ByName());

}  // namespace
}  // namespace brisklet::test
