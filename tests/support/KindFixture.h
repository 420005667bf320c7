// The fixture of the kind compilers: display "Setup" of module 1 on a screen 100 pixels wide,
// so (x, y) is at offset 100 y + x; Type 5 elements made from the columns a test names over
// the fixture's defaults.
#pragma once
#include <gtest/gtest.h>

#include <limits>
#include <nlohmann/json.hpp>
#include <string>

#include "support/TestProject.h"

namespace brisklet::test {

using Json = nlohmann::json;

class KindFixture : public ::testing::Test {
 protected:
  // `defaults` are the element columns every Add starts from (DisplayID and Type are the fixture's).
  explicit KindFixture(Columns defaults = {});
  // A Type 5 element of the defaults with `columns` put in (replacing or adding).
  int32_t Add(const Columns& columns);
  // The same with its VarType and its property blob.
  int32_t Add(int32_t varType, const Json& blob, const Columns& columns = {});
  // The record behind the 90-byte header as hex; "" for a header alone; the run-time error's
  // text ("Overflow") when the compile fails. A record is read back as it was written, or the
  // test fails.
  std::string KindBytes(int32_t id);
  // The run-time error an element's compile raises, as described ("" when none).
  std::string ErrorOf(int32_t id);
  // A picture of the project's image list: its image number and CRC.
  void AddImage(int32_t number, int32_t crc, int32_t bits = 8);

  TestProject project;
  int32_t display = 0;

 private:
  Columns mDefaults;
};

// The value elements (numbers, timers, clocks): fonts 7 (index 0) and 1 (index 1) of 6 pixels
// per character and 10 per line, two texts in the text table. Elements stand at (10, 20),
// 60 x 20, in font 1, aligned top left: their text starts at offset 2010 (da 07 00 00).
constexpr int32_t kDejaVuFont = 2;

class ValueProject : public KindFixture {
 protected:
  ValueProject();
  // DejaVu Sans 12 px as font 2 (index 2); false when the font file is not installed.
  bool InstallDejaVu();
};

// Hex fragments joined by blanks.
std::string Join(std::initializer_list<std::string> parts);
// The columns of a Type 5 element of that VarType and property blob, `more` put in.
inline Columns Variable(int32_t varType, const std::string& blob, const Columns& more = {}) {
  return With({{"VarType", varType}, {"Binary", blob}}, more);
}

// A picture or a text list item with its two operands.
Json WithOperands(Json item, int32_t type1, int32_t address1, int32_t type2, int32_t address2);

// One line of a table of whole records: an element of `varType` made from `blob`.
struct BlobCase {
  const char* name;
  int32_t varType;
  Json blob;
  std::string kindBytes;
};
inline void PrintTo(const BlobCase& c, std::ostream* os) { *os << c.name; }

// Names a parameterised test by its case's name.
struct ByName {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

// One line of a table: an element's columns and what its kind bytes hold, either the whole
// record, the bytes from `offset` on (rest), or a field at `offset` (the expected's length).
// Expected hex is written as Hx writes it; a run-time error's text stands for the record.
struct KindCase {
  const char* name;
  Columns columns;
  std::string expected;
  size_t offset = kWhole;
  bool rest = false;
  static constexpr size_t kWhole = std::numeric_limits<size_t>::max();
};

inline void PrintTo(const KindCase& c, std::ostream* os) { *os << c.name; }

class KindBytesTest : public ValueProject, public ::testing::WithParamInterface<KindCase> {
 protected:
  void ExpectKindBytes();
};

}  // namespace brisklet::test
