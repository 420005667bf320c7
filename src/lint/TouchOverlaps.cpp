// BRK106: touch elements of one display whose touch areas overlap, so that a finger there cannot
// choose between them.
//
// A touch element is one whose header says the panel reacts to a touch of it (touch kind not 0):
// a touch operand (TouchOprndAddr 0 or more), an entry opened by a touch (-2), a kind that
// always takes touches (the trends with their buttons, button sets, entry texts), or a button
// working as a switch. Its touch area is its box (Xs, Ys, Dx, Dy); a box without area (a zero or
// negative Dx or Dy) takes no touch. Areas overlap when they have a common area of positive
// size; touching edges do not. Elements of Type 8 are never listed on their display: they take
// no touch.
//
// Each element is reported once at most, on the later element of its overlapping pairs (by ID):
// it names the earliest element it overlaps and counts the other earlier ones. The elements are
// swept in the order of their x; elements of one and the same box are swept as one stack (all its
// members overlap each other), so ten thousand elements on one spot cost no more than one.
#include <algorithm>
#include <map>
#include <vector>

#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "database/Recordset.h"
#include "elements/ElementHeader.h"
#include "elements/KindRegistry.h"
#include "lint/ItemRows.h"
#include "lint/LintRules.h"

namespace brisklet {
namespace {

struct Box {
  int64_t x0, y0, x1, y1;
  bool operator==(const Box&) const = default;
  auto operator<=>(const Box&) const = default;
};

struct TouchElement {
  Box box;
  MessageElement element;
  int32_t first = -1;  // the earliest element it overlaps (an index), and how many earlier ones
  int32_t earlier = 0;
};

// The elements of one box, in the order of their IDs.
struct Stack {
  Box box;
  std::vector<int32_t> members;  // indexes, by ID
};

// The VarTypes the header gives a touch kind whatever the touch operand; those of a button,
// whose touch kind depends on its IsSwitch property.
std::string VarTypesTouched(bool switches) {
  std::string list;
  for (const KindRow& kind : KindTable()) {
    if (kind.type != kTypeVariable) continue;
    bool always = kind.touch == TouchRule::Trend || kind.touch == TouchRule::TrendScale ||
                  kind.touch == TouchRule::ButtonSet || kind.touch == TouchRule::TextField;
    if (switches ? kind.touch == TouchRule::Switch : always) {
      list += (list.empty() ? "" : ", ") + std::to_string(kind.varType);
    }
  }
  return "(" + list + ")";
}

class Display {
 public:
  // The display's place, from the row of its first element.
  explicit Display(LintFinding place) : mPlace(std::move(place)) {}

  void Add(TouchElement element) { mElements.push_back(std::move(element)); }

  // The findings of the display's elements, by ID (the order they were added in).
  void Report(LintFindings& found) {
    std::vector<Stack> stacks = Stacks();
    std::vector<size_t> active;  // stacks whose x range is still open, in the order of their x
    for (size_t s = 0; s < stacks.size(); ++s) {
      Meet(stacks[s], stacks[s]);
      std::erase_if(active, [&](size_t a) { return stacks[a].box.x1 <= stacks[s].box.x0; });
      for (size_t a : active) {
        if (std::max(stacks[a].box.y0, stacks[s].box.y0) < std::min(stacks[a].box.y1, stacks[s].box.y1)) {
          Meet(stacks[a], stacks[s]);
          Meet(stacks[s], stacks[a]);
        }
      }
      active.push_back(s);
    }
    for (TouchElement& e : mElements) {
      if (e.first >= 0) found.push_back(Finding(e, mElements[e.first]));
    }
  }

 private:
  std::vector<Stack> Stacks() const {
    std::vector<int32_t> order(mElements.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int32_t>(i);
    std::ranges::stable_sort(order, {}, [&](int32_t i) { return mElements[i].box; });
    std::vector<Stack> stacks;
    for (int32_t i : order) {
      if (stacks.empty() || stacks.back().box != mElements[i].box) stacks.push_back({mElements[i].box, {}});
      stacks.back().members.push_back(i);
    }
    return stacks;
  }

  // Each member of `stack` learns of the members of `other` before it (all of them overlap).
  void Meet(const Stack& stack, const Stack& other) {
    for (int32_t m : stack.members) {
      auto before = std::ranges::lower_bound(other.members, m);
      if (before == other.members.begin()) continue;
      TouchElement& e = mElements[m];
      e.earlier += static_cast<int32_t>(before - other.members.begin());
      if (e.first < 0 || other.members.front() < e.first) e.first = other.members.front();
    }
  }

  LintFinding Finding(const TouchElement& e, const TouchElement& first) const {
    Box common{std::max(e.box.x0, first.box.x0), std::max(e.box.y0, first.box.y0), std::min(e.box.x1, first.box.x1),
               std::min(e.box.y1, first.box.y1)};
    LintFinding f = mPlace;
    f.element = e.element;
    f.message = "'" + e.element.name + "' overlaps the touch area of '" + first.element.name + "' [" +
                std::to_string(first.element.id) + "] by " + std::to_string(common.x1 - common.x0) + " x " +
                std::to_string(common.y1 - common.y0) + " pixels at (" + std::to_string(common.x0) + ", " +
                std::to_string(common.y0) + ")";
    if (e.earlier > 1) {
      f.message += ", and those of " + std::to_string(e.earlier - 1) + " more element" + (e.earlier > 2 ? "s" : "") +
                   " of lower ID";
    }
    return f;
  }

  LintFinding mPlace;
  std::vector<TouchElement> mElements;
};

// Whether a button of the row works as a switch (its Binary is selected for the buttons whose
// touch kind it decides, Null for the others); a blob that cannot be read is the compile's to
// report.
bool Switches(Recordset& row) {
  try {
    return IsSwitchButton(row);
  } catch (const RuntimeError&) {
    return false;
  }
}

}  // namespace

void CheckTouchOverlaps(const LintContext& context, LintFindings& found) {
  std::string switches = "HMI_Elements.VarType IN " + VarTypesTouched(true);
  Recordset rows(context.db,
                 std::string("SELECT ") + kElementPlace +
                     ", Xs, Ys, Dx, Dy, TouchOprndAddr, CASE WHEN TouchOprndAddr < 0 AND TouchOprndAddr <> -2 AND " +
                     switches + " THEN COALESCE(HMI_Elements.Binary, '') END AS Binary" + kElementsOnDisplays +
                     " WHERE " + Downloaded(context) + " AND HMI_Elements.Type <> " + std::to_string(kTypeHidden) +
                     " AND Dx > 0 AND Dy > 0 AND (TouchOprndAddr >= 0 OR TouchOprndAddr = -2 OR "
                     "HMI_Elements.VarType IN " +
                     VarTypesTouched(false) + " OR " + switches + ") ORDER BY HMI_Elements.ID",
                 0, 1);
  // Read in the order of the table (much faster than by display), each display's elements by ID.
  std::map<int32_t, Display> displays;
  for (; !rows.Eof(); rows.MoveNext()) {
    std::optional<int32_t> display = WholeOf(rows.Field("DisplayID")), xs = WholeOf(rows.Field("Xs")),
                           ys = WholeOf(rows.Field("Ys")), dx = WholeOf(rows.Field("Dx")),
                           dy = WholeOf(rows.Field("Dy"));
    if (!display || !xs || !ys || !dx || !dy || !WholeOf(rows.Field("TouchOprndAddr"))) continue;
    if (!rows.Field("Binary").IsNull() && !Switches(rows)) continue;
    auto at = displays.find(*display);
    if (at == displays.end()) at = displays.emplace(*display, DisplayFinding(rows, 106, "")).first;
    at->second.Add({{*xs, *ys, int64_t{*xs} + *dx, int64_t{*ys} + *dy},
                    ElementOfRow(rows, TextOf(rows.Field("ElementName")), "ElementID", "ElementGUID")});
  }
  for (auto& [id, display] : displays) display.Report(found);
}

}  // namespace brisklet
