// The every-kind mix: each element kind the compiler builds, in its display and its entry form,
// with the property blob, pictures, text-table entries and trends it reads, in the proportions
// of a real panel (mostly texts, values and buttons), laid out on the screen without overlaps.
#include <cstdlib>
#include <string>

#include "generator/KindMakers.h"

namespace brisklet::generator {

bool ScreenLayout::Take(int32_t dx, int32_t dy, int32_t& xs, int32_t& ys) {
  constexpr int32_t kGap = 4;
  int32_t columns = (dx + kGap + kColumn - 1) / kColumn;
  int32_t count = static_cast<int32_t>(mSky.size());
  if (columns > count || dy >= mHeight) return false;
  int32_t best = -1, bestTop = mHeight;
  for (int32_t c = 0; c + columns <= count; c += 2) {
    int32_t top = *std::max_element(mSky.begin() + c, mSky.begin() + c + columns);
    if (top < bestTop) best = c, bestTop = top;
  }
  if (best < 0 || bestTop + dy >= mHeight || best * kColumn + dx >= kScreenWidth) return false;
  std::fill(mSky.begin() + best, mSky.begin() + best + columns, bestTop + dy + kGap);
  xs = best * kColumn;
  ys = bestTop;
  return true;
}

namespace {

using namespace every;

// The kinds of the mix and how many of a thousand elements are of each.
enum class Made {
  Classic,
  Number,
  NumberAlt,
  Ranged,
  Clock,
  Timer,
  Entry,
  TextField,
  Operator,
  Unicode,
  EntryText,
  TextList,
  RangeList,
  StateButton,
  PictureButton,
  PictureList,
  PictureRange,
  Bar,
  Meter,
  Framed,
  Trend,
  Sampled,
  Cells,
  Points
};

struct EveryKind {
  Made made;
  ClassicKind classic;  // for Made::Classic
  bool entry;           // the entry form (touch -2)
  int32_t weight;       // per thousand elements
};

constexpr EveryKind kKinds[] = {
    {Made::Classic, ClassicKind::TextBox, false, 200},
    {Made::Classic, ClassicKind::Frame, false, 20},
    {Made::Classic, ClassicKind::Rectangle, false, 55},
    {Made::Classic, ClassicKind::Line, false, 30},
    {Made::Classic, ClassicKind::Ellipse, false, 25},
    {Made::Classic, ClassicKind::RoundRect, false, 15},
    {Made::Classic, ClassicKind::TextButton, false, 74},
    {Made::Classic, ClassicKind::Picture, false, 25},
    {Made::Classic, ClassicKind::VarPicture, false, 20},
    {Made::Number, {}, false, 150},
    {Made::Number, {}, true, 60},
    {Made::NumberAlt, {}, false, 10},
    {Made::NumberAlt, {}, true, 5},
    {Made::Ranged, {}, false, 20},
    {Made::Ranged, {}, true, 10},
    {Made::Clock, {}, false, 10},
    {Made::Clock, {}, true, 5},
    {Made::Timer, {}, false, 15},
    {Made::Timer, {}, true, 5},
    {Made::Entry, {}, false, 4},
    {Made::Entry, {}, true, 10},
    {Made::TextField, {}, false, 10},
    {Made::TextField, {}, true, 10},
    {Made::Operator, {}, false, 5},
    {Made::Operator, {}, true, 10},
    {Made::Unicode, {}, false, 5},
    {Made::Unicode, {}, true, 5},
    {Made::EntryText, {}, false, 8},
    {Made::TextList, {}, false, 30},
    {Made::RangeList, {}, false, 15},
    {Made::StateButton, {}, false, 60},
    {Made::PictureButton, {}, false, 25},
    {Made::PictureList, {}, false, 15},
    {Made::PictureRange, {}, false, 10},
    {Made::Bar, {}, false, 10},
    {Made::Meter, {}, false, 3},
    {Made::Framed, {}, false, 3},
    {Made::Trend, {}, false, 2},
    {Made::Sampled, {}, false, 1},
    {Made::Cells, {}, false, 3},
    {Made::Points, {}, false, 2},
};

constexpr int32_t TotalWeight() {
  int32_t total = 0;
  for (const EveryKind& k : kKinds) total += k.weight;
  return total;
}
static_assert(TotalWeight() == 1000, "the weights share out a thousand elements");

Element Make(DisplayState& d, std::span<const Image> images, const EveryKind& k) {
  switch (k.made) {
    case Made::Classic: return MakeClassicKind(d, images, k.classic);
    case Made::Number: return Number(d, 8, k.entry);
    case Made::NumberAlt: return Number(d, 13, k.entry);
    case Made::Ranged: return RangedNumber(d, k.entry);
    case Made::Clock: return Clock(d, k.entry);
    case Made::Timer: return Timer(d, k.entry);
    case Made::Entry: return EntryField(d, k.entry);
    case Made::TextField: return TextField(d, k.entry);
    case Made::Operator: return StringEntry(d, 16, k.entry);
    case Made::Unicode: return StringEntry(d, 19, k.entry);
    case Made::EntryText: return EntryText(d);
    case Made::TextList: return TextList(d, 3);
    case Made::RangeList: return TextList(d, 11);
    case Made::StateButton: return StateButton(d);
    case Made::PictureButton: return PictureButton(d, images);
    case Made::PictureList: return PictureList(d, images, 4);
    case Made::PictureRange: return PictureList(d, images, 12);
    case Made::Bar: return BarGraph(d);
    case Made::Meter: return Meter(d);
    case Made::Framed: return FramedPicture(d, images);
    case Made::Trend: return Trend(d);
    case Made::Sampled: return SampledTrend(d);
    case Made::Cells: return CellLayout(d);
    case Made::Points: return PointList(d);
  }
  return {};
}

// Kinds that always answer a touch (trends, entry texts, switches) keep out of the layers over
// the first.
bool AlwaysTouched(const EveryKind& k, const Element& e) {
  bool isSwitch = !e.binary.IsNull() && e.binary.ToString().find("\"IsSwitch\": true") != std::string::npos;
  return k.made == Made::Trend || k.made == Made::Sampled || k.made == Made::EntryText || isSwitch;
}

const EveryKind& Roll(Random& r) {
  int32_t roll = r.Between(0, 999);
  for (const EveryKind& k : kKinds) {
    if (roll < k.weight) return k;
    roll -= k.weight;
  }
  return kKinds[0];  // not reached: the weights add up to a thousand
}

// An element of a kind, sized but not yet placed; a Type 5 kind named uniquely on its display.
Element MakeOfKind(DisplayState& d, std::span<const Image> images, const EveryKind& kind) {
  Random& r = d.Rand();
  Element e = Make(d, images, kind);
  ClassicKind c = kind.classic;
  bool shape =
      c == ClassicKind::Rectangle || c == ClassicKind::Line || c == ClassicKind::Ellipse || c == ClassicKind::RoundRect;
  if (kind.made == Made::Classic && shape) {  // the classic sizes, made smaller to leave room for the rest
    int32_t most = c == ClassicKind::Rectangle || c == ClassicKind::Line ? 120 : 60;
    e.dx = std::clamp(e.dx, -most, most);
    e.dy = std::min(e.dy, most / 2);
  } else if (kind.made != Made::Classic) {
    e.text = d.UniqueName(r.Pick<std::string>(kWords));
    if (e.colorBack == 0) e.colorBack = 15;
    e.colorFore = r.Between(0, 7);
    e.colorBackTouch = e.colorBack;
    e.colorForeTouch = e.colorFore;
    if (kind.entry) {
      e.touch = -2;
      e.descriptionFont = 1;
    }
  }
  return e;
}

// Puts the element where the layout has room, on a new layer when the display is full.
void Place(ScreenLayout& layout, Element& e) {
  int32_t width = std::abs(e.dx), xs = 0, ys = 0;
  if (!layout.Take(width, e.dy, xs, ys)) {
    layout.NewLayer();
    if (!layout.Take(width, e.dy, xs, ys)) xs = 0, ys = 0;
  }
  e.xs = e.dx < 0 ? xs + width : xs;  // a line drawn right to left starts at its right end
  e.ys = ys;
}

}  // namespace

int32_t EveryKindCount() { return static_cast<int32_t>(std::size(kKinds)); }

Element MakeEveryKindElement(DisplayState& d, ScreenLayout& layout, std::span<const Image> images, int32_t forced) {
  Random& r = d.Rand();
  const EveryKind* kind = forced >= 0 ? &kKinds[forced] : &Roll(r);
  Element e = MakeOfKind(d, images, *kind);
  Place(layout, e);
  if (layout.Layer() > 0) {  // over the first layer: no touch
    if (AlwaysTouched(*kind, e)) {
      kind = &kKinds[0];
      e = MakeOfKind(d, images, *kind);
      Place(layout, e);
    }
    e.touch = -1;
    e.tab = 255;
    e.enabled = -1;
  } else if (kind->made != Made::Classic && e.touch != -1) {
    e.tab = d.TakeTab();
  }
  if (e.touch == -1 && r.Chance(10)) e.visible = d.TakeVisible();  // a hide operand
  return e;
}

}  // namespace brisklet::generator
