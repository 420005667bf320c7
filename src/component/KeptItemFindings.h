// The findings kept with each stored item: what the compile of an element or display reported
// (messages and notices), so that a run that does not compile it again reports them anyway,
// where a compile of every item would.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "base/Constants.h"
#include "host/DesignMessage.h"

namespace brisklet {

class Connection;

// A message, or a notice (its text in message.message).
struct ItemFinding {
  bool notice = false;
  DesignMessage message;
};

class KeptItemFindings {
 public:
  explicit KeptItemFindings(Connection& conn) : mConn(conn) {}

  // Reads what the items the project marks compiled have kept, in GUID order per item type.
  void Load();
  // The compile of an item starts; what it reports until Finish is kept with it.
  void Start(int64_t guid, int16_t itemType);
  bool Recording() const { return mCurrent.has_value(); }
  void Keep(ItemFinding finding);
  // The compile ends: its findings replace those kept, or go when no unit was stored.
  void Finish(bool stored);
  // The compile failed part-way: nothing of it is kept.
  void Abandon() { mCurrent.reset(); }
  // Tells, in GUID order, the kept findings of items of that type with a GUID below `guid`
  // (or at it, with `through`) not told yet; all of them without a GUID.
  void TellUpTo(int16_t itemType, std::optional<int64_t> guid, bool through,
                const std::function<void(const ItemFinding&)>& tell);
  // Whether any kept finding of that type is still to be told.
  bool HasUntold(int16_t itemType) const;
  // The GUIDs whose unit this run stored.
  const std::unordered_set<int64_t>& Stored() const { return mStored; }

 private:
  struct Item {
    int64_t guid;
    int16_t type;
    std::vector<ItemFinding> findings;
  };
  std::deque<Item>& Untold(int16_t itemType) { return itemType == kUnitElement ? mElements : mDisplays; }
  Connection& mConn;
  std::deque<Item> mElements, mDisplays;
  std::optional<Item> mCurrent;
  std::unordered_set<int64_t> mStored;
  std::unordered_set<int64_t> mWithRows;  // GUIDs with rows in the table (a compile replaces them)
};

}  // namespace brisklet
