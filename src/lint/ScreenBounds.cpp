// BRK101: an element (or a line's end) outside the screen, with the place the panel really shows
// it: a position travels as one pixel offset y * W + x, so an x outside the screen wraps to
// another row.
//
// A box (any kind but the line) is off when its top-left corner is not a pixel of the screen, or
// when it reaches past the right or bottom edge (Xs + Dx > W, Ys + Dy > H: a box that ends on the
// edge is fine). A zero or negative Dx or Dy reaches no further than the corner: a box without
// area is a matter of its size, not of its place. A line is checked by its two end points as the
// line block sends them (a straight line with a negative Dx or Dy starts at its other end): its
// start must be a pixel of the screen; its end may lie on the right or bottom edge, and an end
// past the right edge is pulled back to the last column. One finding per element, its first
// problem: the corner (or start), then the edges (or end). Elements of Type 8 are never listed on
// their display and never shown: they are left out.
#include <algorithm>
#include <climits>
#include <optional>

#include "base/Constants.h"
#include "database/Recordset.h"
#include "decoding/FieldMeanings.h"
#include "lint/ItemRows.h"
#include "lint/LintRules.h"

namespace brisklet {
namespace {

struct Point {
  int64_t x, y;
};

std::string Text(Point p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

class Screen {
 public:
  Screen(int32_t width, int32_t height) : mW(width), mH(height) {}

  bool HasPixel(Point p) const { return p.x >= 0 && p.x < mW && p.y >= 0 && p.y < mH; }
  // Within the screen or on its right or bottom edge: where a box or a line may end.
  bool Reaches(Point p) const { return p.x >= 0 && p.x <= mW && p.y >= 0 && p.y <= mH; }

  // "outside the 320 x 240 screen: the panel shows it at (270, 9)" for a point sent as `sent`
  // (the edge it lies beyond when the offset keeps it where it is); nothing when the offset
  // does not fit 32 bits (the compile fails on it).
  std::optional<std::string> Outside(Point p, Point sent, const char* shows) const {
    int64_t offset = sent.y * mW + sent.x;
    if (offset < INT32_MIN || offset > INT32_MAX) return std::nullopt;
    std::string shown = PositionMeaning(static_cast<int32_t>(offset), mW);
    std::string text = "outside the " + Size() + " screen";
    if (shown != Text(p)) return text + ": the panel " + shows + " " + shown;
    return text + (p.y < 0 ? " (above the top edge)" : " (below the bottom edge)");
  }

  // The edges a box whose corner is on the screen reaches past, "" for none.
  std::string EdgesCrossed(Point corner, int64_t dx, int64_t dy) const {
    std::string edges, sums;
    if (corner.x + dx > mW) {
      edges = "right edge";
      sums = "x " + std::to_string(corner.x) + " + width " + std::to_string(dx) + " > " + std::to_string(mW);
    }
    if (corner.y + dy > mH) {
      edges = edges.empty() ? "bottom edge" : "right and bottom edges";
      sums += (sums.empty() ? "y " : ", y ") + std::to_string(corner.y) + " + height " + std::to_string(dy) + " > " +
              std::to_string(mH);
    }
    return edges.empty() ? "" : edges + " of the " + Size() + " screen (" + sums + ")";
  }

  int32_t Width() const { return mW; }

 private:
  std::string Size() const { return std::to_string(mW) + " x " + std::to_string(mH); }
  int32_t mW, mH;
};

std::optional<std::string> BoxProblem(const Screen& screen, const std::string& name, Point corner, int64_t dx,
                                      int64_t dy) {
  if (!screen.HasPixel(corner)) {
    std::optional<std::string> outside = screen.Outside(corner, corner, "shows it at");
    if (!outside) return std::nullopt;
    return name + " at " + Text(corner) + " is " + *outside;
  }
  std::string edges = screen.EdgesCrossed(corner, std::max<int64_t>(dx, 0), std::max<int64_t>(dy, 0));
  if (edges.empty()) return std::nullopt;
  return name + " at " + Text(corner) + " reaches past the " + edges;
}

// The end points as the line block sends them: a straight line runs right or down from its
// start; an end past the right edge is pulled back to the last column.
std::optional<std::string> LineProblem(const Screen& screen, const std::string& name, Point start, int64_t dx,
                                       int64_t dy) {
  if (dx == 0 || dy == 0) {
    if (dx < 0) start.x += dx, dx = -dx;
    if (dy < 0) start.y += dy, dy = -dy;
  }
  std::optional<std::string> outside;
  if (!screen.HasPixel(start)) {
    outside = screen.Outside(start, start, "starts it at");
    return outside ? std::optional(name + " (a line) starts at " + Text(start) + ", " + *outside) : std::nullopt;
  }
  Point end{start.x + dx, start.y + dy};
  if (screen.Reaches(end)) return std::nullopt;
  outside = screen.Outside(end, {std::min<int64_t>(end.x, screen.Width() - 1), end.y}, "ends it at");
  return outside ? std::optional(name + " (a line) ends at " + Text(end) + ", " + *outside) : std::nullopt;
}

}  // namespace

void CheckScreenBounds(const LintContext& context, LintFindings& found) {
  if (context.screenWidth <= 0 || context.screenHeight <= 0) return;
  Screen screen(context.screenWidth, context.screenHeight);
  std::string w = std::to_string(context.screenWidth), h = std::to_string(context.screenHeight);
  // The candidates; the exact tests (and the skipping of broken values) follow below.
  std::string off = "Xs < 0 OR Ys < 0 OR Xs >= " + w + " OR Ys >= " + h + " OR Xs + MAX(Dx, 0) > " + w +
                    " OR Ys + MAX(Dy, 0) > " + h + " OR (HMI_Elements.Type = " + std::to_string(kTypeLine) +
                    " AND (Xs + Dx < 0 OR Ys + Dy < 0))";
  Recordset rows(context.db,
                 std::string("SELECT ") + kElementPlace + ", HMI_Elements.Type AS Type, Xs, Ys, Dx, Dy" +
                     kElementsOnDisplays + " WHERE " + Downloaded(context) + " AND HMI_Elements.Type <> " +
                     std::to_string(kTypeHidden) + " AND (" + off + ") ORDER BY HMI_Elements.ID",
                 0, 1);
  // Read in the order of the table (much faster than by display), the findings then put in the
  // order of their displays.
  size_t before = found.size();
  for (; !rows.Eof(); rows.MoveNext()) {
    std::optional<int32_t> type = WholeOf(rows.Field("Type")), xs = WholeOf(rows.Field("Xs")),
                           ys = WholeOf(rows.Field("Ys")), dx = WholeOf(rows.Field("Dx")),
                           dy = WholeOf(rows.Field("Dy"));
    if (!type || !xs || !ys || !dx || !dy) continue;
    std::string name = ElementNamed(rows);
    std::optional<std::string> problem = *type == kTypeLine ? LineProblem(screen, name, {*xs, *ys}, *dx, *dy)
                                                            : BoxProblem(screen, name, {*xs, *ys}, *dx, *dy);
    if (problem) found.push_back(ElementFinding(rows, 101, *problem));
  }
  std::stable_sort(found.begin() + static_cast<std::ptrdiff_t>(before), found.end(),
                   [](const LintFinding& a, const LintFinding& b) { return a.displayId < b.displayId; });
}

}  // namespace brisklet
