// Element rows read ahead a batch at a time, for a walk that opens elements in an order it
// knows beforehand: one query for each batch in place of one for each element, and one for
// their pictures. The batches may be read by another thread than the one that opens the
// elements (ReadUpTo).
#pragma once
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "database/Recordset.h"
#include "encoding/ImagesAtHand.h"

namespace brisklet {

class Connection;

class ElementRowsAhead {
 public:
  ElementRowsAhead(Connection& conn, std::vector<int32_t> order);

  // Reads the batches that hold the positions below `end`, those no thread has begun to read.
  void ReadUpTo(size_t end);
  // The walk has come to position `at` of the order: the batch that holds it is at hand (read
  // here, or waited for when another thread is reading it).
  void MoveTo(size_t at);
  // The row of that element as the element query would give it, if the batch at hand holds
  // it; null otherwise (no such element or display, or not among the rows read ahead).
  std::unique_ptr<Recordset> Take(int32_t elementId);
  // The picture rows of that element, if the batch at hand read them; null otherwise.
  const ElementImages* ImagesOf(int32_t elementId) const;

  static constexpr size_t kBatch = 64;

 private:
  // A batch as read: its rows, where each element's row is, and its elements' pictures.
  struct Batch {
    std::unique_ptr<Recordset> rows;
    struct Row {
      int32_t id;
      size_t at;  // row of `rows`
    };
    std::vector<Row> byId;  // sorted by ID
    // Sorted by element ID, one for each element read; empty when the picture rows did not
    // read as keyed (an ID or index that is no whole number, an index twice).
    std::vector<ElementImages> images;
  };
  Batch ReadBatch(size_t batch);
  // The pictures of the batch's elements, by the IN list of its IDs or the range they make.
  std::vector<ElementImages> ReadImages(const std::string& sql, const std::vector<Value>& params,
                                        const std::vector<Batch::Row>& byId);

  Connection& mConn;
  std::vector<int32_t> mOrder;
  // Between the threads: the batches read and not yet at hand, and the first not begun.
  std::mutex mMutex;
  std::condition_variable mRead;
  std::map<size_t, Batch> mReadBatches;
  size_t mBegun = 0;
  // The walk's own.
  size_t mBatchEnd = 0;  // the order's positions below this are at hand or passed
  Batch mBatch;
};

}  // namespace brisklet
