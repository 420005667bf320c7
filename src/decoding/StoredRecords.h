// The records of a project's download store, each with the item it belongs to.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "base/Bytes.h"

struct sqlite3_stmt;

namespace brisklet {

class Connection;

struct StoredRecord {
  int32_t guid = 0;
  int32_t elementId = 0;  // the element of that GUID, 0 when the unit is not an element's
  int32_t displayId = 0;  // the display of that GUID, 0 when the unit is not a display's
  std::string label;      // "element 17 (GUID 1042)", "display 3 (GUID 102)", "unit 77"
  Bytes data;             // empty when read without the records
};

// The stored units one at a time, in GUID order, so that a project of a million units is never
// held at once. A unit of type 8 belongs to the element of its GUID, one of type 3 to the
// display of its GUID; a unit whose item is gone is labelled by its GUID alone.
class StoredRecordReader {
 public:
  // withData false reads the GUIDs and labels alone.
  explicit StoredRecordReader(Connection& db, bool withData = true);
  ~StoredRecordReader();
  StoredRecordReader(const StoredRecordReader&) = delete;
  StoredRecordReader& operator=(const StoredRecordReader&) = delete;
  // The next unit into `r`; false after the last.
  bool Next(StoredRecord& r);

 private:
  Connection& mDb;
  sqlite3_stmt* mStmt = nullptr;
  bool mWithData;
};

// Every stored unit, in GUID order (a small project's: tests).
std::vector<StoredRecord> ReadStoredRecords(Connection& db);
// The label of the element or display of that ID, as ReadStoredRecords gives it.
std::string ElementLabel(Connection& db, int32_t elementId);
std::string DisplayLabel(Connection& db, int32_t displayId);

}  // namespace brisklet
