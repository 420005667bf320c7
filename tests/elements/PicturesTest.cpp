// The picture records: picture button "PB", picture lists "PL" and "PR", and the framed
// picture "TG". Every element stands at (10, 20): offset 2010 (da 07 00 00).
#include "base/Constants.h"
#include "support/KindFixture.h"

namespace brisklet::test {
namespace {

constexpr int32_t kInProject = 0x11111111;     // image number 3
constexpr int32_t kNotInProject = 0x22222222;  // no ProjectImages row: image number 0
constexpr int32_t kSixteenBit = 0x16161616;    // image number 7, 16 bits per pixel

// Image placement blocks at (10, 20): position, transparent, key colour, number, CRC.
constexpr const char* kOpaqueInProject = "da 07 00 00  00 00  ff ff  03 00  11 11 11 11";
constexpr const char* kTransparentNotInProject = "da 07 00 00  01 00  ff 00  00 00  22 22 22 22";  // no key pixel
constexpr const char* kEmptyPicture = "da 07 00 00  00 00  ff ff  00 00  00 00 00 00";             // CRC 0

class Pictures : public KindFixture {
 protected:
  Pictures() : KindFixture({{"Xs", 10}, {"Ys", 20}, {"Dx", 100}, {"Dy", 60}, {"ColorBack", 2}, {"Text", "Pic"}}) {
    AddImage(3, kInProject);
    AddImage(7, kSixteenBit, 16);
  }
};

Json Picture(int32_t crc, int32_t transparency = 0) { return {{"ImageCrc", crc}, {"ImageTransparency", transparency}}; }

TEST_F(Pictures, ButtonWithAPictureInTheProjectAndOneNot) {
  Json button = {{"IsSwitch", true}, {"Image", {Picture(kInProject), Picture(kNotInProject, 1)}}};
  int32_t id = Add(kVarPictureButton, button);
  EXPECT_EQ(KindBytes(id), Hx({"50 42", kOpaqueInProject, kTransparentNotInProject}));
  EXPECT_EQ(project.Compiler().ElementRecord(id).at(4), kTouchSwitch);  // the header reads the same blob
}

TEST_F(Pictures, ButtonWithoutPicturesIsStillThirtyBytes) {
  EXPECT_EQ(KindBytes(Add(kVarPictureButton, Json::object())), Hx({"50 42", kEmptyPicture, kEmptyPicture}));
}

Json PictureList(int32_t count, Json pictures) { return {{"ImageCount", count}, {"ImageAt", pictures}}; }

// "PR" pictures with operands: memory integer 300 and memory bit 9, then a constant -5 and none.
Json OperandPicture(int32_t crc, int32_t type1, int32_t address1, int32_t type2, int32_t address2) {
  return WithOperands(Picture(crc), type1, address1, type2, address2);
}

const BlobCase kLists[] = {
    {"PictureListEmpty", kVarPictureList, Json::object(), "50 4c 00 00"},
    {"PictureListOne", kVarPictureList, PictureList(1, {Picture(kInProject)}), Hx({"50 4c 01 00", kOpaqueInProject})},
    {"PictureListInCollectionOrder", kVarPictureList,
     PictureList(3, {Picture(kNotInProject, 1), Picture(kInProject), Picture(kNotInProject, 1)}),
     Hx({"50 4c 03 00", kTransparentNotInProject, kOpaqueInProject, kTransparentNotInProject})},
    {"PictureListCountBeyondItsPictures", kVarPictureList, PictureList(2, {Picture(kInProject)}),
     Hx({"50 4c 02 00", kOpaqueInProject, kEmptyPicture})},
    {"PictureListNegativeCount", kVarPictureList, PictureList(-1, Json::array()), "50 4c ff ff"},
    {"OperandListEmpty", kVarPictureRange, Json::object(), "50 52 00 00"},
    {"OperandListOperandsBeforeEachPicture", kVarPictureRange,
     PictureList(2, {OperandPicture(kInProject, 2, 300, 3, 9), OperandPicture(kNotInProject, 34, -5, 0, -1)}),
     Hx({"50 52 02 00", "02 00 2c 01 00 00 00 00  03 00 09 00 00 00 00 00  // memory integer 300, bit 9",
         kOpaqueInProject, "22 00 fb ff ff ff 00 00  00 00 ff ff 00 00 00 00  // constant -5, none",
         "da 07 00 00  00 00  ff ff  00 00  22 22 22 22"})},
};

class PictureLists : public Pictures, public ::testing::WithParamInterface<BlobCase> {};

TEST_P(PictureLists, WholeRecord) {
  EXPECT_EQ(KindBytes(Add(GetParam().varType, GetParam().blob)), GetParam().kindBytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, PictureLists, ::testing::ValuesIn(kLists), ByName());

// Framed picture at (10, 20), frame offsets (5, 6), 80 x 40, in ColorBack 2.
Json Frame() {
  return {{"GetFramePicture", Picture(kInProject)},
          {"GetFrameLeft", 5},
          {"GetFrameTop", 6},
          {"GetFrameWidth", 80},
          {"GetFrameHeight", 40},
          {"GetFrameSetting", 3},
          {"GetFrameOperand1Type", 2},
          {"GetFrameOperand1Addr", 300},
          {"GetFrameOperand2Type", 3},
          {"GetFrameOperand2Addr", 9}};
}

TEST_F(Pictures, FramedPictureWithItsFrameInside) {
  EXPECT_EQ(KindBytes(Add(kVarFramedPicture, Frame())),
            Hx({"54 47", "da 07 00 00  01 00  ff 06  03 00  11 11 11 11  // transparency 255, key colour 6",
                "50 00 28 00  37 0a 00 00  02 0a  00 01  // 80 x 40 at (15, 26), no border, 3D flag 1", "00 00  03  00",
                "02 00 2c 01 00 00 00 00  03 00 09 00 00 00 00 00", "ff ff ff ff"}));
}

struct FrameCase {
  const char* name;
  Json changes;
  std::string imageAndFrame;  // bytes 2 to 27, or the compile's error
  friend void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.name; }
};

constexpr const char* kImage = "da 07 00 00  01 00  ff 06  03 00  11 11 11 11";
constexpr const char* kFrameAt15And26 = "28 00  37 0a 00 00  02 0a  00 01";  // height, position, colour, border

// Frame values pass through single precision: from 2^24 on the lowest bits are lost.
const FrameCase kFrames[] = {
    {"PictureNotInProjectKeepsItsKeyColour",
     {{"GetFramePicture", Picture(kNotInProject)}},
     Hx({"da 07 00 00  01 00  ff 06  00 00  22 22 22 22", "50 00", kFrameAt15And26})},
    {"SixteenBitPictureOverflows", {{"GetFramePicture", Picture(kSixteenBit)}}, "Overflow"},
    {"Setting255", {{"GetFrameSetting", 255}}, Hx({kImage, "50 00", kFrameAt15And26})},
    {"Setting256Overflows", {{"GetFrameSetting", 256}}, "Overflow"},
    {"WidthBelowSinglePrecisionLimit", {{"GetFrameWidth", 16777215}}, Hx({kImage, "ff ff", kFrameAt15And26})},
    {"WidthPastSinglePrecisionLosesItsLowBit", {{"GetFrameWidth", 16777217}}, Hx({kImage, "00 00", kFrameAt15And26})},
    {"WidthRoundedPast32BitsOverflows", {{"GetFrameWidth", 2147483647}}, "Overflow"},
    {"NegativeOffsetsMoveTheFrameUpAndLeft",
     {{"GetFrameLeft", -10}, {"GetFrameTop", -20}},
     Hx({kImage, "50 00 28 00  00 00 00 00  02 0a 00 01"})},
};

class FramedPictures : public Pictures, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(FramedPictures, Boundaries) {
  Json frame = Frame();
  frame.update(GetParam().changes);
  std::string bytes = KindBytes(Add(kVarFramedPicture, frame));
  // A record of another length (or an error) is compared whole.
  EXPECT_EQ(bytes.size() == 52u * 3 - 1 ? bytes.substr(2 * 3, 26 * 3 - 1) : bytes, GetParam().imageAndFrame);
}

INSTANTIATE_TEST_SUITE_P(Cases, FramedPictures, ::testing::ValuesIn(kFrames), ByName());

}  // namespace
}  // namespace brisklet::test
