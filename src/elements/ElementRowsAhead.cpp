// Element rows read ahead: the element query with an IN list of a batch's IDs.
#include "elements/ElementRowsAhead.h"

#include <algorithm>
#include <string>

#include "elements/Queries.h"

namespace brisklet {
namespace {

// The element query for a whole batch: its text up to "HMI_Elements.ID=", then an IN list.
const std::string& BatchSql() {
  static const std::string sql = [] {
    std::string one = kSqlElementRow;
    std::string text = one.substr(0, one.size() - 1) + " IN (?";
    for (size_t i = 1; i < ElementRowsAhead::kBatch; ++i) text += ",?";
    return text + ")";
  }();
  return sql;
}

}  // namespace

ElementRowsAhead::ElementRowsAhead(Connection& conn, std::vector<int32_t> order)
    : mConn(conn), mOrder(std::move(order)) {}

void ElementRowsAhead::MoveTo(size_t at) {
  if (at < mBatchEnd || at >= mOrder.size()) return;
  size_t end = std::min(at + kBatch, mOrder.size());
  std::vector<Value> ids;
  ids.reserve(kBatch);
  for (size_t i = at; i < end; ++i) ids.emplace_back(mOrder[i]);
  ids.resize(kBatch);  // the rest Null, which no ID equals
  mBatch = std::make_unique<Recordset>(mConn, BatchSql(), ids, kStatic, kReadOnly);
  mRowOf.clear();
  for (int row = 0; !mBatch->Eof(); mBatch->MoveNext(), ++row) {
    mRowOf.emplace_back(mBatch->Long("ID"), row);
  }
  std::sort(mRowOf.begin(), mRowOf.end());
  mBatchEnd = end;
}

std::unique_ptr<Recordset> ElementRowsAhead::Take(int32_t elementId) {
  auto it = std::lower_bound(mRowOf.begin(), mRowOf.end(), std::make_pair(elementId, -1));
  if (it == mRowOf.end() || it->first != elementId) return nullptr;
  mBatch->MoveFirst();
  for (int i = 0; i < it->second; ++i) mBatch->MoveNext();
  return mBatch->CurrentRowAs(kSqlElementRow + std::string("?"), {elementId}, kForwardOnly, kOptimistic);
}

}  // namespace brisklet
