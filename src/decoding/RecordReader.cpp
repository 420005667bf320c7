// The record reader.
#include "decoding/RecordReader.h"

#include <span>

#include "decoding/FieldMeanings.h"
#include "decoding/FieldNames.h"

namespace brisklet {

RecordReader::RecordReader(const Bytes& record, const DecodeContext& context) : mRecord(record), mContext(context) {}

RecordReader::Part::Part(RecordReader& reader, std::string name) : mReader(reader) {
  reader.mParts.push_back(std::move(name));
}

RecordReader::Part::~Part() { mReader.mParts.pop_back(); }

RecordReader::Entry::Entry(RecordReader& reader, std::string_view list, uint32_t index, std::string part)
    : mReader(reader), mPart(!part.empty()), mList(reader.mList), mPrefix(reader.mEntryPrefix), mIndex(reader.mEntry) {
  reader.mList = reader.FullName(list);
  reader.mEntry = index;
  if (mPart) reader.mParts.push_back(std::move(part));
  reader.mEntryPrefix = mPart ? reader.FullName("") : "";
}

RecordReader::Entry::~Entry() {
  if (mPart) mReader.mParts.pop_back();
  mReader.mList = std::move(mList);
  mReader.mEntryPrefix = std::move(mPrefix);
  mReader.mEntry = mIndex;
}

std::string RecordReader::FullName(std::string_view name) const {
  std::string full;
  for (const std::string& part : mParts) full += part + " ";
  return full + std::string(name);
}

const uint8_t* RecordReader::Take(std::string_view name, size_t size) {
  mLastRead = false;
  if (mFailed) return nullptr;
  if (size > mRecord.size() - mOffset) {
    Report("the record ends at byte " + std::to_string(mRecord.size()) + ", but " + FullName(name) + " needs " +
           std::to_string(size) + " bytes at " + std::to_string(mOffset));
    mFailed = true;
    return nullptr;
  }
  const uint8_t* p = mRecord.data() + mOffset;
  mOffset += size;
  return p;
}

void RecordReader::Add(size_t offset, size_t size, std::string_view name, std::string value, std::string meaning) {
  std::string full = FullName(name);
  int seen = ++mNames[full];
  if (seen > 1) full += " " + std::to_string(seen);
  DecodedField& f = mResult.fields.emplace_back();
  f.offset = offset;
  f.size = size;
  f.name = std::move(full);
  f.value = std::move(value);
  f.meaning = std::move(meaning);
  if (mEntry != 0) {
    f.list = mList;
    f.entry = mEntry;
    // An entry without a part of its own is one field named by its place ("element 7").
    if (!mEntryPrefix.empty()) f.member = f.name.substr(mEntryPrefix.size());
  }
  mLastRead = true;
}

void RecordReader::Explain(std::string meaning) {
  if (mLastRead) mResult.fields.back().meaning = std::move(meaning);
}

void RecordReader::Mark(FieldKind kind) {
  if (mLastRead) mResult.fields.back().kind = kind;
}

void RecordReader::Key() {
  if (mLastRead) mResult.fields.back().key = true;
}

uint32_t RecordReader::Little(const uint8_t* p, size_t size) const {
  uint32_t v = 0;
  for (size_t i = size; i-- > 0;) v = v << 8 | p[i];
  return v;
}

uint32_t RecordReader::Number(std::string_view name, size_t size, bool isSigned, const std::string& meaning) {
  size_t at = mOffset;
  const uint8_t* p = Take(name, size);
  if (!p) return 0;
  uint32_t v = Little(p, size);
  int64_t shown = v;
  if (isSigned) shown = size == 2 ? int64_t{static_cast<int16_t>(v)} : int64_t{static_cast<int32_t>(v)};
  Add(at, size, name, std::to_string(shown), meaning);
  return v;
}

uint32_t RecordReader::U8(std::string_view name, const std::string& meaning) { return Number(name, 1, false, meaning); }

uint32_t RecordReader::U16(std::string_view name, const std::string& meaning) {
  return Number(name, 2, false, meaning);
}

int32_t RecordReader::I16(std::string_view name, const std::string& meaning) {
  return static_cast<int16_t>(Number(name, 2, true, meaning));
}

int32_t RecordReader::I32(std::string_view name, const std::string& meaning) {
  return static_cast<int32_t>(Number(name, 4, true, meaning));
}

std::string RecordReader::Tag() {
  size_t at = mOffset;
  const uint8_t* p = Take(field::kTag, 2);
  if (!p) return "";
  std::string tag(reinterpret_cast<const char*>(p), 2);
  Add(at, 2, field::kTag, Quoted(CodePageText({p, 2}, 1252)), "");
  return tag;
}

int32_t RecordReader::Position(std::string_view name) {
  int32_t v = I32(name);
  Explain(PositionMeaning(v, mContext.screenWidth));
  return v;
}

uint32_t RecordReader::Colour(std::string_view name) {
  uint32_t colour = U8(name);
  Mark(FieldKind::Colour);
  return colour;
}

uint32_t RecordReader::Font(std::string_view name, size_t size) {
  size_t at = mOffset;
  const uint8_t* p = Take(name, size);
  if (!p) return 0;
  uint32_t index = Little(p, size);
  std::string meaning = index < mContext.fonts.size() ? mContext.fonts[index] : "no project font";
  Add(at, size, name, std::to_string(index), meaning);
  return index;
}

void RecordReader::Operand(std::string_view name) {
  size_t at = mOffset;
  const uint8_t* p = Take(name, 8);
  if (!p) return;
  std::span<const uint8_t, 8> block(p, 8);
  Add(at, 8, name, HexOf(block), OperandMeaning(block));
}

std::string RecordReader::Text(std::string_view name, size_t size) {
  size_t at = mOffset;
  const uint8_t* p = Take(name, size);
  if (!p) return "";
  std::string text = CodePageText({p, size}, mContext.codePage);
  Add(at, size, name, Quoted(text), "");
  Key();  // a text tells a list's item from the others
  return text;
}

void RecordReader::Repeats(std::string_view name, size_t count, int32_t expected) {
  size_t at = mOffset;
  const uint8_t* p = Take(name, 4 * count);
  if (!p) return;
  Add(at, 4 * count, name, std::to_string(count), "each " + PositionMeaning(expected, mContext.screenWidth));
  for (size_t i = 0; i < count; ++i) {
    if (static_cast<int32_t>(Little(p + 4 * i, 4)) != expected) {
      Report(FullName(name) + " at " + std::to_string(at + 4 * i) + " differs from " + std::to_string(expected));
      return;
    }
  }
}

void RecordReader::Fixed(std::string_view name, size_t size, uint32_t expected) {
  size_t at = mOffset;
  uint32_t v = Number(name, size, false, "");
  if (mLastRead && v != expected) {
    Report(FullName(name) + " at " + std::to_string(at) + " is " + std::to_string(v) + ", expected " +
           std::to_string(expected));
  }
}

void RecordReader::Filled(std::string_view name, size_t size, uint8_t byte) {
  size_t at = mOffset;
  const uint8_t* p = Take(name, size);
  if (!p || size == 0) return;
  std::span<const uint8_t> bytes(p, size);
  std::string one = HexOf(std::span<const uint8_t>(&byte, 1));
  for (uint8_t b : bytes) {
    if (b != byte) {
      Add(at, size, name, HexOf(bytes), "");
      Report(FullName(name) + " at " + std::to_string(at) + " is " + HexOf(bytes) + ", expected every byte " + one);
      return;
    }
  }
  Add(at, size, name, size == 1 ? one : one + " x " + std::to_string(size), "");
}

void RecordReader::Raw(std::string_view name, size_t size) {
  size_t at = mOffset;
  const uint8_t* p = Take(name, size);
  if (!p) return;
  Add(at, size, name, HexOf({p, size}), "");
}

std::optional<uint8_t> RecordReader::Peek(size_t ahead) const {
  if (mFailed || ahead >= mRecord.size() - mOffset) return std::nullopt;
  return mRecord[mOffset + ahead];
}

void RecordReader::Problem(const std::string& text) {
  std::string place = FullName("");
  Report(place.empty() ? text : place.substr(0, place.size() - 1) + ": " + text);
}

void RecordReader::Report(std::string text) { mResult.problems.push_back(std::move(text)); }

DecodedRecord RecordReader::Finish() {
  if (!mFailed && mOffset < mRecord.size()) {
    size_t left = mRecord.size() - mOffset;
    Report(std::to_string(left) + (left == 1 ? " byte" : " bytes") + " left over after the last field, from byte " +
           std::to_string(mOffset) + ": " + HexOf(std::span(mRecord).subspan(mOffset, std::min<size_t>(16, left))) +
           (left > 16 ? " ..." : ""));
  }
  return std::move(mResult);
}

}  // namespace brisklet
