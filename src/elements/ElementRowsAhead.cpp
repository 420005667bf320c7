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

std::unique_ptr<Recordset> ElementRowsAhead::ReadBatch(size_t batch) {
  size_t at = batch * kBatch, end = std::min(at + kBatch, mOrder.size());
  std::vector<Value> ids;
  ids.reserve(kBatch);
  for (size_t i = at; i < end; ++i) ids.emplace_back(mOrder[i]);
  ids.resize(kBatch);  // the rest Null, which no ID equals
  return std::make_unique<Recordset>(mConn, BatchSql(), ids, kStatic, kReadOnly);
}

void ElementRowsAhead::ReadUpTo(size_t end) {
  end = std::min(end, mOrder.size());
  for (;;) {
    size_t batch;
    {
      std::lock_guard lock(mMutex);
      if (mBegun * kBatch >= end) return;
      batch = mBegun++;
    }
    std::unique_ptr<Recordset> rows;
    struct Hand {  // however the read ends: a batch that failed is read again by the walk
      ElementRowsAhead& self;
      size_t batch;
      std::unique_ptr<Recordset>& rows;
      ~Hand() {
        {
          std::lock_guard lock(self.mMutex);
          self.mReadBatches[batch] = std::move(rows);
        }
        self.mRead.notify_all();
      }
    } hand{*this, batch, rows};
    rows = ReadBatch(batch);
  }
}

void ElementRowsAhead::MoveTo(size_t at) {
  if (at < mBatchEnd || at >= mOrder.size()) return;
  size_t batch = at / kBatch;
  {
    std::unique_lock lock(mMutex);
    if (batch < mBegun) {
      mRead.wait(lock, [&] { return mReadBatches.contains(batch); });
      mBatch = std::move(mReadBatches[batch]);  // null when its read failed
      mReadBatches.erase(batch);
    } else {
      mBegun = batch + 1;
      mBatch.reset();
    }
  }
  if (!mBatch) mBatch = ReadBatch(batch);
  mRowOf.clear();
  for (int row = 0; !mBatch->Eof(); mBatch->MoveNext(), ++row) {
    mRowOf.emplace_back(mBatch->Long("ID"), row);
  }
  std::sort(mRowOf.begin(), mRowOf.end());
  mBatchEnd = std::min((batch + 1) * kBatch, mOrder.size());
}

std::unique_ptr<Recordset> ElementRowsAhead::Take(int32_t elementId) {
  auto it = std::lower_bound(mRowOf.begin(), mRowOf.end(), std::make_pair(elementId, -1));
  if (it == mRowOf.end() || it->first != elementId) return nullptr;
  mBatch->MoveFirst();
  for (int i = 0; i < it->second; ++i) mBatch->MoveNext();
  return mBatch->CurrentRowAs(kSqlElementRow + std::string("?"), {elementId}, kForwardOnly, kOptimistic);
}

}  // namespace brisklet
