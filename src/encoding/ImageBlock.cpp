// The 14-byte image placement block and the image table lookups behind it.
//
//  OFFSET SIZE DESCRIPTION
//   0      4   pixel offset of (x, y)
//   4      2   1 when transparent, else 0
//   6      1   key colour, first byte
//   7      1   key colour, second byte
//   8      2   image number (low 16 bits)
//  10      4   image CRC
#include <tuple>

#include "base/ByteWriter.h"
#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/HostMessages.h"
#include "encoding/ImageEncoding.h"
#include "encoding/ImageFacts.h"
#include "encoding/ImagesAtHand.h"
#include "encoding/Queries.h"
#include "host/HostFactory.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

Bytes EncodeImageBlock(int32_t x, int32_t y, int32_t imageNumber, int32_t crc, int32_t transparency, int32_t key1,
                       int32_t key2) {
  int32_t position = PixelOffset(x, y);
  int32_t bits = transparency != 0 ? GetImageBits(crc) : 0;
  uint8_t first, second;
  if (bits != 16) {
    first = 255;
    if (transparency == 0) {
      second = 255;
    } else {
      second = CByte(key1 == -1 ? GetImageKeyColor8(crc) : key1, "key colour");
    }
  } else {
    if (key1 == -1) GetImageKeyColor16(crc, key1, key2), std::swap(key1, key2);
    first = CByte(key2, "key colour");
    second = CByte(key1, "key colour");
  }
  ByteWriter out;
  out.i32(position, "position")
      .u16(transparency != 0 ? 1 : 0, "transparent")
      .u8(first, "key colour 1")
      .u8(second, "key colour 2")
      .u16(Low16(imageNumber), "image number")
      .i32(crc, "image CRC");
  return out.take();
}

int32_t GetImageBits(int32_t crc) {
  return Remembered(ImageFact::kBits, crc, [crc] {
           auto rs = GetRecordset(kSqlImageBits + std::string("?"), {crc}, 0, 1);
           return ImageFacts::Fact{rs->Eof() ? 0 : rs->Field("Bits").ToLong("Bits"), 0};
         }).first;
}

namespace {

// The first bytes of an image's pixel data, which must unpack whole: only they are kept.
Bytes UncompressPrefix(const Bytes& compressed, size_t count) {
  auto component = CurrentHost().NewDecompressor();
  Bytes output;
  int32_t status = 0;
  component->UncompressPrefix(compressed, count, output, status);
  if (status != 0) {
    ShowMessageBox("Failed to UnCompress Data");
    return {};
  }
  return output;
}

Bytes UnpackedImageData(int32_t crc, size_t count) {
  auto rs = GetRecordset(kSqlImageData + std::string("?"), {crc}, 0, 1);
  if (rs->Eof()) return {};
  Bytes data = UncompressPrefix(rs->Field("Data8bpp").ToBytes("Data8bpp"), count);
  if (data.empty()) {
    throw RuntimeError("Subscript out of range", "image " + std::to_string(crc) + " has no pixel data");
  }
  return data;
}
}  // namespace

int32_t GetImageKeyColor8(int32_t crc) {
  return Remembered(ImageFact::kKeyColor8, crc, [crc] {
           Bytes data = UnpackedImageData(crc, 1);
           return ImageFacts::Fact{data.empty() ? 0 : data[0], 0};
         }).first;
}

void GetImageKeyColor16(int32_t crc, int32_t& first, int32_t& second) {
  std::tie(first, second) = Remembered(ImageFact::kKeyColor16, crc, [crc] {
    Bytes data = UnpackedImageData(crc, 2);
    if (data.empty()) return ImageFacts::Fact{0, 0};
    if (data.size() < 2) {
      throw RuntimeError("Subscript out of range", "image " + std::to_string(crc) + " has one byte of 16-bit data");
    }
    return ImageFacts::Fact{data[0], data[1]};
  });
}

Bytes UncompressBytes(const Bytes& compressed) {
  auto component = CurrentHost().NewDecompressor();
  Bytes output;
  int32_t status = 0;
  component->Uncompress(compressed, output, true, status);
  if (status != 0) {
    ShowMessageBox("Failed to UnCompress Data");
    return {};
  }
  return output;
}

int32_t GetImageCrc(int32_t elementId, int32_t imageIndex) {
  if (const ElementImages* images = ImagesAtHand::For(elementId)) {
    const ElementImages::Row* row = images->Find(imageIndex);
    return row ? row->crc.ToLong("Image_CRC") : -1;
  }
  auto rs = GetRecordset(kSqlImageCrc + std::string("?") + kSqlImageCrcIndex + "?", {elementId, imageIndex}, 0, 1);
  if (rs->Eof() || rs->Bof()) return -1;
  return rs->Field("Image_CRC").ToLong("Image_CRC");
}

int32_t GetImageTransparency(int32_t elementId, int32_t imageIndex) {
  if (const ElementImages* images = ImagesAtHand::For(elementId)) {
    const ElementImages::Row* row = images->Find(imageIndex);
    return row ? row->transparency.ToLong("TransparencyLevel") : 0;
  }
  auto rs = GetRecordset(kSqlImageTransparency + std::string("?") + kSqlImageTransparencyIndex + "?",
                         {elementId, imageIndex}, 0, 1);
  if (rs->Eof() || rs->Bof()) return 0;
  return rs->Field("TransparencyLevel").ToLong("TransparencyLevel");
}

int32_t ImageNumberOf(int32_t crc) {
  auto env = CurrentHost().NewProjectEnvironment();
  auto service = CurrentHost().NewImageService();
  return service->GetImageNumber(crc, env->GetProjectConnection());
}

}  // namespace brisklet
