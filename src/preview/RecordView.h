// A decoded record with its bytes, read back as numbers and boxes by field name, for drawing.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "base/Bytes.h"
#include "decoding/DecodedRecord.h"
#include "preview/Canvas.h"

namespace brisklet {

struct Point {
  int32_t x = 0, y = 0;
};

class RecordView {
 public:
  RecordView(const Bytes& record, const DecodedRecord& fields, int32_t screenWidth)
      : mRecord(record), mFields(fields), mScreenWidth(screenWidth) {}

  const DecodedRecord& Fields() const { return mFields; }
  // The field's bytes as a little-endian number (unsigned; a 4-byte field signed), or nothing.
  std::optional<int64_t> Number(std::string_view name) const;
  std::optional<int64_t> NumberOf(const DecodedField& field) const;
  // The bytes of a field.
  std::span<const uint8_t> BytesOf(const DecodedField& field) const;
  // A pixel offset as (x, y) on the screen.
  Point PointAt(int64_t offset) const;
  // The box of the fields `prefix` + "width", "height" and "position", or nothing.
  std::optional<Box> BoxAt(std::string_view prefix) const;

 private:
  const Bytes& mRecord;
  const DecodedRecord& mFields;
  int32_t mScreenWidth;
};

}  // namespace brisklet
