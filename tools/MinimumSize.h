// brisklet minsize: the smallest frame of a timer, clock or entry field, for sizing it by hand.
#pragma once
#include <cstdint>
#include <string>

namespace brisklet {
class clsDownload;
class Connection;
}  // namespace brisklet

namespace brisklet::cli {

// report: "minimum 56 x 14 for "99:99:99"; the element's frame 60 x 20 holds it"; holds: whether
// the frame is at least that large.
struct MinimumSize {
  std::string report;
  bool holds = false;
};

// The element's own font and frame style are measured, as its compile measures them. A
// RuntimeError for an element that does not exist or whose kind has no size service.
MinimumSize MeasureMinimumSize(clsDownload& compiler, Connection& conn, int32_t elementId);

}  // namespace brisklet::cli
