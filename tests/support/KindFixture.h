// A fixture for the kind compilers: display "Setup" of module 1 on a screen 100 pixels wide,
// so (x, y) is at offset 100 y + x; Type 5 elements made from a property blob and the columns
// a test names over the fixture's defaults.
#pragma once
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "support/TestProject.h"

namespace brisklet::test {

using Json = nlohmann::json;

class KindFixture : public ::testing::Test {
 protected:
  // `defaults` are the element columns every Add starts from (Type, VarType, DisplayID and
  // Binary are the fixture's).
  explicit KindFixture(Columns defaults);
  int32_t Add(int32_t varType, const Json& blob, const Columns& columns = {});
  // The record behind the 90-byte header as hex; "" for a header alone.
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

}  // namespace brisklet::test
