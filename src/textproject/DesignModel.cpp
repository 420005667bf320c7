// The design tables with the columns, defaults and keys of the current project schema.
#include "textproject/DesignModel.h"

#include <sqlite3.h>

#include <algorithm>
#include <stdexcept>

#include "database/Connection.h"

namespace brisklet {
namespace {

int TypeRank(const Value& v) {
  if (v.IsNull()) return 0;
  if (v.IsNumber()) return 1;
  if (v.IsText()) return 2;
  return 3;
}

int CompareNoCase(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int x = (a[i] >= 'A' && a[i] <= 'Z') ? a[i] + 32 : static_cast<unsigned char>(a[i]);
    int y = (b[i] >= 'A' && b[i] <= 'Z') ? b[i] + 32 : static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int CompareValues(const Value& a, const Value& b) {
  int ra = TypeRank(a), rb = TypeRank(b);
  if (ra != rb) return ra < rb ? -1 : 1;
  if (ra == 1) {
    const int64_t* ia = a.IntegerPtr();
    const int64_t* ib = b.IntegerPtr();
    if (ia && ib) return *ia == *ib ? 0 : (*ia < *ib ? -1 : 1);
    double x = a.ToDouble(), y = b.ToDouble();
    return x == y ? 0 : (x < y ? -1 : 1);
  }
  if (ra == 2) return CompareNoCase(*a.TextPtr(), *b.TextPtr());
  if (ra == 3) {
    const Bytes& x = *a.BytesPtr();
    const Bytes& y = *b.BytesPtr();
    return x == y ? 0 : (x < y ? -1 : 1);
  }
  return 0;
}

// A column's DEFAULT as the schema spells it ("0", "-1", "''", "NULL").
Value DefaultOf(const char* text) {
  if (text == nullptr) return {};
  std::string s(text);
  if (s == "NULL") return {};
  if (s.size() >= 2 && s.front() == '\'') return Value(s.substr(1, s.size() - 2));
  try {
    size_t used = 0;
    long long n = std::stoll(s, &used);
    if (used == s.size()) return Value(static_cast<int64_t>(n));
    return Value(std::stod(s));
  } catch (const std::exception&) {
    return Value(s);
  }
}

DesignTable TableOf(Connection& conn, const std::string& name) {
  DesignTable table;
  table.name = name;
  std::vector<std::pair<int, size_t>> keys;
  sqlite3_stmt* stmt = conn.Prepared("SELECT name, dflt_value, pk, type FROM pragma_table_info(?)");
  sqlite3_bind_text(stmt, 1, name.c_str(), -1, SQLITE_TRANSIENT);
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    table.columns.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    table.defaults.push_back(DefaultOf(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1))));
    table.types.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3)));
    int pk = sqlite3_column_int(stmt, 2);
    if (pk > 0) keys.emplace_back(pk, table.columns.size() - 1);
  }
  sqlite3_reset(stmt);
  std::sort(keys.begin(), keys.end());
  for (const auto& [order, column] : keys) table.keyColumns.push_back(column);
  return table;
}

}  // namespace

bool RowKeyLess::operator()(const RowKey& a, const RowKey& b) const {
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    int c = CompareValues(a[i], b[i]);
    if (c != 0) return c < 0;
  }
  return a.size() < b.size();
}

RowKey DesignTable::KeyOf(const Row& row) const {
  RowKey key;
  for (size_t column : keyColumns) key.push_back(row[column]);
  return key;
}

size_t DesignTable::ColumnIndex(std::string_view column) const {
  for (size_t i = 0; i < columns.size(); ++i) {
    if (CompareNoCase(columns[i], std::string(column)) == 0) return i;
  }
  return columns.size();
}

Row DesignTable::DefaultRow() const { return defaults; }

const std::vector<std::string>& DesignTableNames() {
  static const std::vector<std::string> names = {
      "ProjectSettings", "DispModules", "HMI_Palettes", "LdrFunctions", "ProjectTexts",
      "Trends",          "Curves",      "tblFonts",     "tblFontGlyphs", "ProjectImages",
      "Pages",           "PagesAndImages", "HMIJumps",  "HMI_Elements",  "ElementsAndImages"};
  return names;
}

DesignModel DesignModel::Empty() {
  static const DesignModel empty = [] {
    auto conn = Connection::CreateInMemory();
    DesignModel model;
    for (const std::string& name : DesignTableNames()) model.mTables.push_back(TableOf(*conn, name));
    return model;
  }();
  return empty;
}

DesignTable& DesignModel::Table(std::string_view name) {
  for (DesignTable& table : mTables) {
    if (table.name == name) return table;
  }
  throw std::logic_error("no design table " + std::string(name));
}

const DesignTable& DesignModel::Table(std::string_view name) const {
  return const_cast<DesignModel*>(this)->Table(name);
}

bool DesignModel::operator==(const DesignModel& other) const {
  if (mTables.size() != other.mTables.size()) return false;
  for (size_t i = 0; i < mTables.size(); ++i) {
    const auto& a = mTables[i].rows;
    const auto& b = other.mTables[i].rows;
    if (a.size() != b.size() || !std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
          return x.second == y.second;
        })) {
      return false;
    }
  }
  return true;
}

}  // namespace brisklet
