// Element rows read ahead a batch at a time, for a walk that opens elements in an order it
// knows beforehand: one query for each batch in place of one for each element.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "database/Recordset.h"

namespace brisklet {

class Connection;

class ElementRowsAhead {
 public:
  ElementRowsAhead(Connection& conn, std::vector<int32_t> order);

  // The walk has come to position `at` of the order: the batch that holds it is read.
  void MoveTo(size_t at);
  // The row of that element as the element query would give it, if the batch at hand holds
  // it; null otherwise (no such element or display, or not among the rows read ahead).
  std::unique_ptr<Recordset> Take(int32_t elementId);

  static constexpr size_t kBatch = 64;

 private:
  Connection& mConn;
  std::vector<int32_t> mOrder;
  size_t mBatchEnd = 0;  // the order's positions below this are read
  std::unique_ptr<Recordset> mBatch;
  std::vector<std::pair<int32_t, int>> mRowOf;  // element ID, row of the batch; sorted by ID
};

}  // namespace brisklet
