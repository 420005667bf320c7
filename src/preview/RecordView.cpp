// Numbers, positions and boxes of a decoded record, by field name.
#include "preview/RecordView.h"

#include <string>

#include "decoding/FieldNames.h"

namespace brisklet {

std::optional<int64_t> RecordView::Number(std::string_view name) const {
  const DecodedField* field = mFields.Find(name);
  return field ? NumberOf(*field) : std::nullopt;
}

std::optional<int64_t> RecordView::NumberOf(const DecodedField& f) const {
  if (f.size == 0 || f.size > 4 || f.offset + f.size > mRecord.size()) return std::nullopt;
  uint32_t v = 0;
  for (size_t i = 0; i < f.size; ++i) v |= uint32_t{mRecord[f.offset + i]} << (8 * i);
  return f.size == 4 ? int64_t{static_cast<int32_t>(v)} : int64_t{v};
}

std::span<const uint8_t> RecordView::BytesOf(const DecodedField& f) const {
  if (f.offset + f.size > mRecord.size()) return {};
  return {mRecord.data() + f.offset, f.size};
}

Point RecordView::PointAt(int64_t offset) const {
  if (mScreenWidth <= 0 || offset < 0) return {};
  return {static_cast<int32_t>(offset % mScreenWidth), static_cast<int32_t>(offset / mScreenWidth)};
}

std::optional<Box> RecordView::BoxAt(std::string_view prefix) const {
  std::string p(prefix);
  auto width = Number(p + std::string(field::kWidth)), height = Number(p + std::string(field::kHeight));
  auto position = Number(p + std::string(field::kPosition));
  if (!width || !height || !position) return std::nullopt;
  Point at = PointAt(*position);
  return Box{at.x, at.y, static_cast<int32_t>(*width), static_cast<int32_t>(*height)};
}

}  // namespace brisklet
