// The readers of the records' top-level parts, which the record decoder dispatches to by tag.
#pragma once

namespace brisklet {

class RecordReader;

void ReadElementRecord(RecordReader& in);
void ReadDisplayRecord(RecordReader& in);
void ReadDisplayJumps(RecordReader& in);
void ReadPageTable(RecordReader& in);

}  // namespace brisklet
