// Linked text blocks: font, colour, alignment code, anchor and the text's address; a text of
// the project's text table (operand type 0) repeats the anchor once per table entry.
#include <gtest/gtest.h>

#include "encoding/GeometryEncoding.h"
#include "encoding/TextEncoding.h"
#include "host/HostFactory.h"
#include "host/TextTableService.h"
#include "text/TestFonts.h"

namespace brisklet::test {
namespace {

class LinkedTextBlock : public ::testing::Test {
 protected:
  void SetUp() override {
    project.SetSetting("ScreenWidth", 100);
    AddTestFont(project, {.number = 7});
    AddTestFont(project, {.number = 1});
    service.AttachConnection(project.Db(), true);
  }
  void AddTexts(int count) {
    for (int i = 0; i < count; ++i) project.Insert("ProjectTexts", {{"TextIndex", i}, {"Text", "Text"}});
  }
  std::string Block(int32_t oprndType, int32_t alignment) {
    ActiveHost active(project.Host());
    return Hex(EncodeLinkedTextBlock(service, 0x0102, oprndType, 0, 0, 100, 40, "not sent", 1, 9, alignment, 1));
  }
  TestProject project;
  TextTableService service;
};

TEST_F(LinkedTextBlock, TextTableEntriesRepeatTheAnchor) {
  AddTexts(3);
  EXPECT_EQ(Block(0, 8), Hx({"01 00",        // font index 1
                             "09",           // colour
                             "01 00",        // constants
                             "22",           // bottom right
                             "70 0e 00 00",  // anchor (96, 36) of the 3D frame: 3696
                             "02 01",        // text index
                             "70 0e 00 00",  // one anchor per text-table entry
                             "70 0e 00 00", "70 0e 00 00"}));
}

TEST_F(LinkedTextBlock, EmptyTextTableAddsNothing) {
  EXPECT_EQ(Block(0, 0), Hx({"01 00 09 01 00", "00", "94 01 00 00", "02 01"}));  // top left (4, 4): 404
}

TEST_F(LinkedTextBlock, OtherOperandTypesAreTwelveBytes) {
  AddTexts(3);
  for (int32_t oprndType : {1, 2, 37}) {
    EXPECT_EQ(Block(oprndType, 4), Hx({"01 00 09 01 00", "11", "02 08 00 00", "02 01"}))  // centre (50, 20): 2050
        << "operand type " << oprndType;
  }
}

TEST_F(LinkedTextBlock, UnknownAlignmentIsCentred) {
  for (int32_t alignment : {9, -1}) {
    EXPECT_EQ(Block(1, alignment), Hx({"01 00 09 01 00", "11", "02 08 00 00", "02 01"})) << "alignment " << alignment;
  }
}

}  // namespace
}  // namespace brisklet::test
