// The page conversion table "PC": the GUID of every display in display order, 16 bits each,
// as many as the record is long.
#include "decoding/RecordParts.h"
#include "decoding/RecordReader.h"

namespace brisklet {

void ReadPageTable(RecordReader& in) {
  RecordReader::Part table(in, "\"PC\"");
  in.Tag();
  for (int i = 1; in.Left() >= 2; ++i) {
    in.Explain(in.Context().DisplayOf(static_cast<uint16_t>(in.I16("page " + std::to_string(i)))));
  }
}

}  // namespace brisklet
