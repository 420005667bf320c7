// The little-endian record reader: one call per field, in offset order, each naming what it
// reads. The decoders of the record kinds are written with it as the encoders are written with
// the byte writer, so a decoder reads like its layout table.
//
// Names are unique within a record: a name given again ("reserved") gets its count ("reserved 2").
//
// A field that needs more bytes than the record has left ends the reading: the record's
// problems say where, and every later call reads nothing and returns 0. Findings that do not
// stop the reading (a reserved byte that is not zero, a count that disagrees) are problems too.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Bytes.h"
#include "decoding/DecodeContext.h"
#include "decoding/DecodedRecord.h"

namespace brisklet {

class RecordReader {
 public:
  RecordReader(const Bytes& record, const DecodeContext& context);

  // A part of the record whose fields' names it prefixes ("\"LN\"", "item 2"), while it lives.
  class Part {
   public:
    Part(RecordReader& reader, std::string name);
    ~Part();
    Part(const Part&) = delete;
    Part& operator=(const Part&) = delete;

   private:
    RecordReader& mReader;
  };

  // An entry of a list (`list` names it within the parts open now): the fields read while it
  // lives are its fields; `part`, when not empty, opens a part of that name ("jump 2") too.
  class Entry {
   public:
    Entry(RecordReader& reader, std::string_view list, uint32_t index, std::string part = "");
    ~Entry();
    Entry(const Entry&) = delete;
    Entry& operator=(const Entry&) = delete;

   private:
    RecordReader& mReader;
    bool mPart;
    std::string mList, mPrefix;
    uint32_t mIndex;
  };

  // Numbers, with an optional meaning.
  uint32_t U8(std::string_view name, const std::string& meaning = "");
  uint32_t U16(std::string_view name, const std::string& meaning = "");
  int32_t I16(std::string_view name, const std::string& meaning = "");
  int32_t I32(std::string_view name, const std::string& meaning = "");
  // The two ASCII letters of a tag, named "tag".
  std::string Tag();
  // A 32-bit pixel offset, meaning (x, y) on the project's screen.
  int32_t Position(std::string_view name);
  // A palette colour byte.
  uint32_t Colour(std::string_view name);
  // A font index of `size` bytes (1 or 2), meaning the project font at that index.
  uint32_t Font(std::string_view name, size_t size = 2);
  // An 8-byte operand block, meaning the operand.
  void Operand(std::string_view name);
  // `size` code-page characters, shown as quoted UTF-8; returns the UTF-8 text.
  std::string Text(std::string_view name, size_t size);
  // `count` 32-bit pixel offsets that all repeat `expected` (a problem when one does not), as
  // one field whose value is the count.
  void Repeats(std::string_view name, size_t count, int32_t expected);
  // Bytes that hold `expected` (a problem when they do not).
  void Fixed(std::string_view name, size_t size, uint32_t expected);
  // Bytes that all hold `byte` (a problem when one does not): trailers, and zero bytes.
  void Filled(std::string_view name, size_t size, uint8_t byte);
  void Reserved(size_t size, std::string_view name = "reserved") { Filled(name, size, 0); }
  // Bytes whose layout the record leaves to others, as hex.
  void Raw(std::string_view name, size_t size);

  // Gives the field the last call read (if it read one) a meaning found from its value.
  void Explain(std::string meaning);
  // Says what the field the last call read holds; Key marks it as telling what its entry is.
  void Mark(FieldKind kind);
  void Key();

  size_t Offset() const { return mOffset; }
  // Bytes left to read: 0 once the reading has ended.
  size_t Left() const { return mFailed ? 0 : mRecord.size() - mOffset; }
  bool Failed() const { return mFailed; }
  // The byte `ahead` of the current offset, if the record has it.
  std::optional<uint8_t> Peek(size_t ahead = 0) const;
  const DecodeContext& Context() const { return mContext; }

  // A finding that does not stop the reading, said of the parts open now ("\"LS\" text: ...").
  void Problem(const std::string& text);
  // The record read so far; bytes left over after the last field are a problem.
  DecodedRecord Finish();

 private:
  // The bytes of a field at the current offset, or null (and the reading ended) when the
  // record is too short for it.
  const uint8_t* Take(std::string_view name, size_t size);
  void Report(std::string text);
  // A little-endian number of `size` bytes (1, 2 or 4) as a field, shown signed or not.
  uint32_t Number(std::string_view name, size_t size, bool isSigned, const std::string& meaning);
  void Add(size_t offset, size_t size, std::string_view name, std::string value, std::string meaning);
  uint32_t Little(const uint8_t* p, size_t size) const;
  std::string FullName(std::string_view name) const;

  const Bytes& mRecord;
  const DecodeContext& mContext;
  size_t mOffset = 0;
  bool mFailed = false;
  bool mLastRead = false;  // whether the last call added a field
  std::vector<std::string> mParts;
  std::string mList, mEntryPrefix;  // the open entry's list and the full name it begins
  uint32_t mEntry = 0;
  std::map<std::string, int> mNames;  // how often each full name was given, to keep names unique
  DecodedRecord mResult;
};

}  // namespace brisklet
