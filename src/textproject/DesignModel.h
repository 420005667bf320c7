// The design of a project as the rows of its design tables, by key: what the text form
// writes and reads, what a merge compares and what an import applies to a database.
#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "database/Value.h"

namespace brisklet {

class Connection;

// A row's key (its primary-key columns) and its values (every column, in table order).
using RowKey = std::vector<Value>;
using Row = std::vector<Value>;

// Orders keys as SQLite orders them: Null, numbers, texts (case-insensitively, as the key
// columns compare), byte arrays.
struct RowKeyLess {
  bool operator()(const RowKey& a, const RowKey& b) const;
};

// One design table: its columns (the project schema's, in order), their defaults, how many
// leading columns of `keyColumns` form the key, and its rows.
struct DesignTable {
  std::string name;
  std::vector<std::string> columns;
  std::vector<Value> defaults;          // a column's DEFAULT (Null where it has none)
  std::vector<std::string> types;       // a column's declared type ("INTEGER", "TEXT", "BLOB", "")
  std::vector<size_t> keyColumns;       // indexes into `columns`
  std::map<RowKey, Row, RowKeyLess> rows;

  RowKey KeyOf(const Row& row) const;
  size_t ColumnIndex(std::string_view column) const;  // columns.size() when unknown
  // A row holding every column's default.
  Row DefaultRow() const;
};

// Every design table of a project, in a fixed order. The download store and the compile's
// bookkeeping (DownloadUnits, DownloadDLUs, the Compile* tables) are not design.
class DesignModel {
 public:
  // The tables, empty, with the columns of the current project schema.
  static DesignModel Empty();

  std::vector<DesignTable>& Tables() { return mTables; }
  const std::vector<DesignTable>& Tables() const { return mTables; }
  DesignTable& Table(std::string_view name);
  const DesignTable& Table(std::string_view name) const;

  bool operator==(const DesignModel& other) const;

 private:
  std::vector<DesignTable> mTables;
};

// The names of the design tables, in the order the model keeps them.
const std::vector<std::string>& DesignTableNames();

}  // namespace brisklet
