// The yardstick of the compile benchmarks: the time SQLite itself needs to read every row
// and every field (blobs included) of HMI_Elements and Pages once.
#pragma once
#include <sqlite3.h>

#include <cstdint>

namespace brisklet::bench {

// Reads both tables through the given connection; returns the bytes of text and blob read,
// so that the reads cannot be left out.
int64_t ReadElementsAndDisplays(sqlite3* db);

}  // namespace brisklet::bench
