// Findings kept per stored item in CompileItemFindings, read once per run and told in order.
#include "component/KeptItemFindings.h"

#include "base/Constants.h"
#include "component/Queries.h"
#include "database/Connection.h"
#include "database/Recordset.h"

namespace brisklet {

void KeptItemFindings::Load() {
  mElements.clear();
  mDisplays.clear();
  mStored.clear();
  for (Recordset rs(mConn, kSqlKeptItemFindings, 0, 1); !rs.Eof(); rs.MoveNext()) {
    int64_t guid = rs.Long("Guid");
    auto type = static_cast<int16_t>(rs.Long("ItemType"));
    std::deque<Item>& items = Untold(type);
    if (items.empty() || items.back().guid != guid) items.push_back({guid, type, {}});
    ItemFinding f;
    f.notice = rs.Long("Kind") == 1;
    f.message.rule = rs.Long("Rule");
    f.message.severity = rs.Long("Severity");
    f.message.moduleId = rs.Long("ModuleID");
    f.message.location = rs.Str("Location");
    f.message.message = rs.Str("Message");
    f.message.displayId = rs.Long("DisplayID");
    f.message.element = {rs.Long("ElementID"), rs.Long("ElementGUID"), rs.Str("ElementName")};
    items.back().findings.push_back(std::move(f));
  }
  mWithRows.clear();
  for (Recordset rs(mConn, kSqlItemsWithKeptFindings, 0, 1); !rs.Eof(); rs.MoveNext()) {
    mWithRows.insert(rs.Field("Guid").ToLong("Guid"));
  }
}

void KeptItemFindings::Start(int64_t guid, int16_t itemType) { mCurrent = Item{guid, itemType, {}}; }

void KeptItemFindings::Keep(ItemFinding finding) {
  if (mCurrent) mCurrent->findings.push_back(std::move(finding));
}

void KeptItemFindings::Finish(bool stored) {
  if (!mCurrent) return;
  Item item = std::move(*mCurrent);
  mCurrent.reset();
  if (stored) mStored.insert(item.guid);
  if (mWithRows.erase(item.guid)) mConn.Execute(kSqlForgetItemFindings, {Value(item.guid)});
  if (!stored) return;
  int64_t seq = 0;
  for (const ItemFinding& f : item.findings) {
    const DesignMessage& m = f.message;
    mConn.Execute(kSqlKeepItemFinding,
                  {Value(item.guid), Value(seq++), Value(int64_t{item.type}), Value(int64_t{f.notice ? 1 : 0}),
                   Value(int64_t{m.rule}), Value(int64_t{m.severity}), Value(int64_t{m.moduleId}), Value(m.location),
                   Value(m.message), Value(int64_t{m.displayId}), Value(int64_t{m.element.id}),
                   Value(int64_t{m.element.guid}), Value(m.element.name)});
  }
}

void KeptItemFindings::TellUpTo(int16_t itemType, std::optional<int64_t> guid, bool through,
                                const std::function<void(const ItemFinding&)>& tell) {
  std::deque<Item>& items = Untold(itemType);
  while (!items.empty()) {
    int64_t next = items.front().guid;
    if (guid && (through ? next > *guid : next >= *guid)) break;
    Item item = std::move(items.front());
    items.pop_front();
    for (const ItemFinding& f : item.findings) tell(f);
  }
}

bool KeptItemFindings::HasUntold(int16_t itemType) const {
  return !(itemType == kUnitElement ? mElements : mDisplays).empty();
}

}  // namespace brisklet
