// The record decoder: the first tag says which record it is.
#include "decoding/RecordDecoder.h"

#include "decoding/FieldMeanings.h"
#include "decoding/RecordParts.h"
#include "decoding/RecordReader.h"

namespace brisklet {

DecodedRecord DecodeRecord(const Bytes& record, const DecodeContext& context) {
  RecordReader in(record, context);
  std::string tag = record.size() >= 2 ? std::string(record.begin(), record.begin() + 2) : "";
  if (tag == "VT") {
    ReadElementRecord(in);
  } else if (tag == "PT") {
    ReadDisplayRecord(in);
  } else if (tag == "PC") {
    ReadPageTable(in);
  } else {
    in.Problem(record.empty() ? "the record is empty"
                              : "not a download record: it begins with " +
                                    HexOf(std::span(record).first(std::min<size_t>(2, record.size()))));
    in.Raw("bytes", record.size());
  }
  return in.Finish();
}

}  // namespace brisklet
