// A project for the value elements (numbers, timers, clocks): a screen 100 pixels wide,
// fonts 7 (index 0) and 1 (index 1) of 6 pixels per character and 10 per line, two texts in
// the text table, and display "Setup" of module 1. Elements stand at (10, 20), 60 x 20, in
// font 1, aligned top left: their text starts at offset 2010 (da 07 00 00).
#pragma once
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "support/TestProject.h"

namespace brisklet::test {

constexpr int32_t kDejaVuFont = 2;

class ValueProject : public ::testing::Test {
 protected:
  void SetUp() override;
  // A Type 5 element with the columns above, `given` put in (replacing or adding).
  int32_t Add(const Columns& given);
  // The element's kind bytes (its record behind the 90-byte header) as hex; the run-time
  // error's text ("Overflow") when its compile fails.
  std::string KindBytes(int32_t id);
  // DejaVu Sans 12 px as font 2 (index 2); false when the font file is not installed.
  bool InstallDejaVu();

  TestProject project;
  int32_t display = 0;
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
inline std::string CaseName(const ::testing::TestParamInfo<KindCase>& info) { return info.param.name; }

class KindBytesTest : public ValueProject, public ::testing::WithParamInterface<KindCase> {
 protected:
  void ExpectKindBytes();
};

}  // namespace brisklet::test
