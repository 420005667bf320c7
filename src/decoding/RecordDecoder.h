// Reads a download record back into its named fields: an element record ("VT" header and the
// kind bytes behind it), a display record ("PT" with its "Pj" jumps) or the page conversion
// table ("PC"). Separate code from the compilers that make the records, so that reading a
// record back checks what they wrote. It never throws on bad bytes: what it cannot read is
// among the record's problems.
#pragma once
#include "base/Bytes.h"
#include "decoding/DecodeContext.h"
#include "decoding/DecodedRecord.h"

namespace brisklet {

DecodedRecord DecodeRecord(const Bytes& record, const DecodeContext& context);

}  // namespace brisklet
