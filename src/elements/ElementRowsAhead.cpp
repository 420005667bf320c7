// Element rows read ahead: the element query with an IN list of a batch's IDs.
#include "elements/ElementRowsAhead.h"

#include <algorithm>
#include <tuple>
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

// The element rows are made here, on the thread that reads the batch.
ElementRowsAhead::Batch ElementRowsAhead::ReadBatch(size_t batch) {
  size_t at = batch * kBatch, end = std::min(at + kBatch, mOrder.size());
  std::vector<Value> ids;
  ids.reserve(kBatch);
  for (size_t i = at; i < end; ++i) ids.emplace_back(mOrder[i]);
  ids.resize(kBatch);  // the rest Null, which no ID equals
  Batch read;
  read.rows = std::make_unique<Recordset>(mConn, BatchSql(), ids, kStatic, kReadOnly);
  static const std::string one = kSqlElementRow + std::string("?");
  for (int row = 0; !read.rows->Eof(); read.rows->MoveNext(), ++row) {
    int32_t id = read.rows->Long("ID");
    read.byId.push_back({id, row, read.rows->CurrentRowAs(one, {id}, kForwardOnly, kOptimistic)});
  }
  std::sort(read.byId.begin(), read.byId.end(), [](const Batch::Row& a, const Batch::Row& b) {
    return std::tie(a.id, a.at) < std::tie(b.id, b.at);
  });
  return read;
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
    Batch read;
    struct Hand {  // however the read ends: a batch that failed is read again by the walk
      ElementRowsAhead& self;
      size_t batch;
      Batch& read;
      ~Hand() {
        {
          std::lock_guard lock(self.mMutex);
          self.mReadBatches[batch] = std::move(read);
        }
        self.mRead.notify_all();
      }
    } hand{*this, batch, read};
    read = ReadBatch(batch);
  }
}

void ElementRowsAhead::MoveTo(size_t at) {
  if (at < mBatchEnd || at >= mOrder.size()) return;
  size_t batch = at / kBatch;
  {
    std::unique_lock lock(mMutex);
    if (batch < mBegun) {
      mRead.wait(lock, [&] { return mReadBatches.contains(batch); });
      mBatch = std::move(mReadBatches[batch]);  // no rows when its read failed
      mReadBatches.erase(batch);
    } else {
      mBegun = batch + 1;
      mBatch = {};
    }
  }
  if (!mBatch.rows) mBatch = ReadBatch(batch);
  mBatchEnd = std::min((batch + 1) * kBatch, mOrder.size());
}

std::unique_ptr<Recordset> ElementRowsAhead::Take(int32_t elementId) {
  auto it = std::lower_bound(mBatch.byId.begin(), mBatch.byId.end(), elementId,
                             [](const Batch::Row& row, int32_t id) { return row.id < id; });
  if (it == mBatch.byId.end() || it->id != elementId) return nullptr;
  if (it->own) return std::move(it->own);
  // Taken before (an element the order holds twice): made again from the batch.
  mBatch.rows->MoveFirst();
  for (int i = 0; i < it->at; ++i) mBatch.rows->MoveNext();
  return mBatch.rows->CurrentRowAs(kSqlElementRow + std::string("?"), {elementId}, kForwardOnly, kOptimistic);
}

}  // namespace brisklet
