// The 8-byte operand block, the unsigned 32-bit encoding, and the default host's operands.
#include <gtest/gtest.h>

#include <tuple>

#include "base/RuntimeError.h"
#include "encoding/OperandEncoding.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

// What an operand object reports once PrepareDownloadForm has run.
struct DownloadForm {
  int32_t type;
  int64_t value;
  int32_t address;
};

// An operand object whose download form is fixed by the test; before PrepareDownloadForm it
// reports back what it was given, so a block read too early shows the project form.
class FixedFormOperand : public DownloadOperand {
 public:
  explicit FixedFormOperand(DownloadForm form) : mForm(form) {}
  void SetOperandType(int32_t type) override { mType = type; }
  int32_t OperandType() const override { return mType; }
  void SetOperandAddress(int32_t address) override { mAddress = address; }
  int32_t OperandAddress() const override { return mAddress; }
  int64_t OperandValue() const override { return mValue; }
  int PrepareDownloadForm() override {
    mType = mForm.type;
    mValue = mForm.value;
    mAddress = mForm.address;
    return 0;
  }

 private:
  DownloadForm mForm;
  int32_t mType = 0;
  int32_t mAddress = 0;
  int64_t mValue = 0;
};

class FixedFormOperandHost : public DefaultHost {
 public:
  FixedFormOperandHost(Connection& conn, DownloadForm form) : DefaultHost(conn), mForm(form) {}
  std::unique_ptr<DownloadOperand> NewDownloadOperand() override { return std::make_unique<FixedFormOperand>(mForm); }

 private:
  DownloadForm mForm;
};

struct BlockCase {
  const char* name;
  DownloadForm form;
  const char* expected;
};

// Block: download type (2), then value (4) and address (2), or address (2) and zeros (4).
const BlockCase kBlockCases[] = {
    {"Signed34", {34, -1, 7}, "22 00  ff ff ff ff  07 00"},
    {"Signed37", {37, -2, 7}, "25 00  fe ff ff ff  07 00"},
    {"Signed34Lowest", {34, -2147483648LL, 1}, "22 00  00 00 00 80  01 00"},
    {"Unsigned35Highest", {35, 4294967295LL, 9}, "23 00  ff ff ff ff  09 00"},
    {"Unsigned35Wraps", {35, 4294967296LL, 9}, "23 00  00 00 00 00  09 00"},
    {"Unsigned35Zero", {35, 0, 9}, "23 00  00 00 00 00  09 00"},
    {"Unsigned15", {15, 258, 1}, "0f 00  02 01 00 00  01 00"},
    {"Unsigned38Negative", {38, -2, 1}, "26 00  fe ff ff ff  01 00"},
    {"AddressedIgnoresValue", {6, 12345, 12}, "06 00  0c 00  00 00 00 00"},
    {"AddressAbove65535", {1, 99, 70000}, "01 00  70 11  00 00 00 00"},
    {"NegativeAddress", {1, 0, -2}, "01 00  fe ff  00 00 00 00"},
    {"TypeAbove65535", {70000, 99, 5}, "70 11  05 00  00 00 00 00"},
    // 65536 + 34 has the low 16 bits of 34 but is not a value-carrying type.
    {"ValueTypePlus65536", {65570, 99, 5}, "22 00  05 00  00 00 00 00"},
};

class OperandBlock : public ::testing::TestWithParam<BlockCase> {};

TEST_P(OperandBlock, LaysOutTheReportedDownloadForm) {
  TestProject project;
  FixedFormOperandHost host(project.Db(), GetParam().form);
  ActiveHost active(host);
  EXPECT_EQ(Hex(EncodeOperand(1, 2)), Hx({GetParam().expected}));
}

INSTANTIATE_TEST_SUITE_P(Cases, OperandBlock, ::testing::ValuesIn(kBlockCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OperandBlockOverflow, SignedValueOutside32Bits) {
  for (int64_t value : {2147483648LL, -2147483649LL}) {
    for (int32_t type : {34, 37}) {
      TestProject project;
      FixedFormOperandHost host(project.Db(), {type, value, 1});
      ActiveHost active(host);
      EXPECT_EQ(ErrorOf([] { EncodeOperand(1, 2); }).Text(), "Overflow") << type << " " << value;
    }
  }
}

TEST(EncodeUnsigned32, LittleEndianModulo2To32) {
  const std::pair<int64_t, const char*> cases[] = {
      {258, "02 01 00 00"},           {-2, "fe ff ff ff"},           {0, "00 00 00 00"},
      {4294967295LL, "ff ff ff ff"},  {4294967296LL, "00 00 00 00"}, {4294967296LL + 0x01020304, "04 03 02 01"},
      {-2147483648LL, "00 00 00 80"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(Hex(EncodeUnsigned32(value)), expected) << value;
  EXPECT_EQ(ErrorOf([] { EncodeUnsigned32(-2147483649LL); }).Text(), "Overflow");
}

// The default host's operands, as blocks: an addressed operand carries its address, a
// constant its stored number; an unknown code passes through as an address.
TEST(OperandTranslation, AddressesAndConstants) {
  TestProject project;
  ActiveHost active(project.Host());
  const std::tuple<int32_t, int32_t, const char*> cases[] = {
      {0, -1, "00 00  ff ff  00 00 00 00"},       // none
      {1, 0x1234, "01 00  34 12  00 00 00 00"},   // MB
      {20, 0x1234, "14 00  34 12  00 00 00 00"},  // SDW
      {15, -1, "0f 00  ff ff ff ff  00 00"},      // constant unsigned: -1 is 4294967295
      {34, -1, "22 00  ff ff ff ff  00 00"},      // constant integer
      {35, 300, "23 00  2c 01 00 00  00 00"},     // constant long unsigned
      {37, 100000, "25 00  a0 86 01 00  00 00"},  // constant long
      {38, -2, "26 00  fe ff ff ff  00 00"},      // constant double word
      {21, 0x1234, "15 00  34 12  00 00 00 00"},  // unknown
      {99, 7, "63 00  07 00  00 00 00 00"},
  };
  for (const auto& [code, stored, expected] : cases) {
    EXPECT_EQ(Hex(EncodeOperand(code, stored)), Hx({expected})) << "code " << code;
  }
}

}  // namespace
}  // namespace brisklet::test
