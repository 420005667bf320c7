// The check that a record's layout as the byte writer traced it agrees with the decoder's.
#pragma once
#include <string>
#include <vector>

#include "base/WriteTrace.h"
#include "decoding/DecodeContext.h"

namespace brisklet::test {

// Fails the running test when the record does not decode to its last byte, or when its
// decoded fields and the writes do not agree field by field (offset, size and name) at the
// level both have. `label` says which record it is. A record that is `odd` (a count that
// disagrees with its items, bytes past the count) may not decode whole; it is not compared then.
void ExpectLayoutsAgree(const std::string& label, const Bytes& record, const std::vector<TracedWrite>& writes,
                        const DecodeContext& context, bool odd = false);

}  // namespace brisklet::test
