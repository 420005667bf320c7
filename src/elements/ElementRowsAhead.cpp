// Element rows read ahead: the element query with an IN list of a batch's IDs, and the
// pictures of those elements.
#include "elements/ElementRowsAhead.h"

#include <algorithm>
#include <optional>
#include <tuple>
#include <string>

#include "base/RuntimeError.h"
#include "elements/Queries.h"

namespace brisklet {
namespace {

// One "?" for each element of a batch.
std::string BatchList() {
  std::string list = "?";
  for (size_t i = 1; i < ElementRowsAhead::kBatch; ++i) list += ",?";
  return list;
}

// The element query for a whole batch: its text up to "HMI_Elements.ID=", then an IN list.
const std::string& BatchSql() {
  static const std::string sql = [] {
    std::string one = kSqlElementRow;
    return one.substr(0, one.size() - 1) + " IN (" + BatchList() + ")";
  }();
  return sql;
}

// The same for a batch of consecutive IDs: a range of the key, one seek in place of one per element.
const std::string& RangeSql() {
  static const std::string sql = [] {
    std::string one = kSqlElementRow;
    return one.substr(0, one.size() - 1) + " BETWEEN ? AND ?";
  }();
  return sql;
}

// Whether the IDs from `at` to `end` follow one another.
bool Consecutive(const std::vector<int32_t>& order, size_t at, size_t end) {
  for (size_t i = at + 1; i < end; ++i) {
    if (int64_t{order[i]} != int64_t{order[i - 1]} + 1) return false;
  }
  return end > at;
}

// Whether the rows a range gave are those the IN list gives: whole numbers, each once. (A
// table whose ID is not its key may hold fractions or texts that a range takes in.)
bool WholeAndOnce(Recordset& rows) {
  std::optional<int64_t> last;
  for (; !rows.Eof(); rows.MoveNext()) {
    const int64_t* id = rows.Field("ID").IntegerPtr();
    if (!id || (last && *id <= *last)) return false;
    last = *id;
  }
  rows.MoveFirst();
  return true;
}

const std::string& ImagesSql() {
  static const std::string sql = kSqlImagesAhead + BatchList() + kSqlImagesAheadEnd;
  return sql;
}

// The pictures of that element among a batch's, sorted by element ID.
template <class Images>
auto ImagesOfElement(Images& images, int64_t elementId) -> decltype(&images.front()) {
  auto it = std::lower_bound(images.begin(), images.end(), elementId,
                             [](const ElementImages& e, int64_t id) { return e.elementId < id; });
  return it != images.end() && it->elementId == elementId ? &*it : nullptr;
}

// A whole number as SQLite compares it with a bound integer, or nothing.
std::optional<int64_t> WholeNumber(const Value& value) {
  if (const int64_t* number = value.IntegerPtr()) return *number;
  return std::nullopt;
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
  std::vector<Value> range;
  if (Consecutive(mOrder, at, end)) {
    range = {Value(mOrder[at]), Value(mOrder[end - 1])};
    read.rows = std::make_unique<Recordset>(mConn, RangeSql(), range, kStatic, kReadOnly);
    if (!WholeAndOnce(*read.rows)) {
      read.rows.reset();
      range.clear();
    }
  }
  if (!read.rows) read.rows = std::make_unique<Recordset>(mConn, BatchSql(), ids, kStatic, kReadOnly);
  for (size_t row = 0; !read.rows->Eof(); read.rows->MoveNext(), ++row) {
    read.byId.push_back({read.rows->Long("ID"), row});
  }
  std::sort(read.byId.begin(), read.byId.end(), [](const Batch::Row& a, const Batch::Row& b) {
    return std::tie(a.id, a.at) < std::tie(b.id, b.at);
  });
  try {
    read.images = range.empty() ? ReadImages(ImagesSql(), ids, read.byId)
                                : ReadImages(kSqlImagesInRange, range, read.byId);
  } catch (const RuntimeError&) {
    // Not known: each element asks for its own, and a failure is that element's.
  }
  return read;
}

std::vector<ElementImages> ElementRowsAhead::ReadImages(const std::string& sql, const std::vector<Value>& params,
                                                        const std::vector<Batch::Row>& byId) {
  std::vector<ElementImages> images;
  for (const Batch::Row& row : byId) {
    if (images.empty() || images.back().elementId != row.id) images.push_back({row.id, {}});
  }
  Recordset rows(mConn, sql, params, kStatic, kReadOnly);
  for (; !rows.Eof(); rows.MoveNext()) {
    std::optional<int64_t> id = WholeNumber(rows.Field("Element_ID"));
    std::optional<int64_t> index = WholeNumber(rows.Field("Image_Index"));
    if (!id || !index) return {};
    ElementImages* element = ImagesOfElement(images, *id);
    if (!element) continue;  // an element whose row the element query did not give
    if (*index != static_cast<int32_t>(*index) || element->Find(static_cast<int32_t>(*index))) return {};
    element->rows.push_back({*index, rows.Field("Image_CRC"), rows.Field("TransparencyLevel")});
  }
  return images;
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
  static const std::string one = kSqlElementRow + std::string("?");
  return mBatch.rows->RowAs(it->at, one, {elementId}, kForwardOnly, kOptimistic);
}

const ElementImages* ElementRowsAhead::ImagesOf(int32_t elementId) const {
  return ImagesOfElement(mBatch.images, elementId);
}

}  // namespace brisklet
