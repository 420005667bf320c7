// The minimum frame of a timer, clock or entry field through the compiler's size services.
#include "MinimumSize.h"

#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "elements/ClockProperties.h"
#include "elements/KindProperties.h"
#include "elements/TimerProperties.h"

namespace brisklet::cli {
namespace {

struct ElementSize {
  int64_t type = 0, varType = 0, font = 0, frameStyle = 0, dx = 0, dy = 0;
  Bytes binary;
};

ElementSize ReadElement(Connection& conn, int32_t id) {
  sqlite3_stmt* stmt =
      conn.Prepared("SELECT Type, VarType, FontNumber, Flat3D, Dx, Dy, Binary FROM HMI_Elements WHERE ID=?");
  sqlite3_bind_int(stmt, 1, id);
  bool found = sqlite3_step(stmt) == SQLITE_ROW;
  ElementSize e;
  if (found) {
    e = {sqlite3_column_int64(stmt, 0), sqlite3_column_int64(stmt, 1), sqlite3_column_int64(stmt, 2),
         sqlite3_column_int64(stmt, 3), sqlite3_column_int64(stmt, 4), sqlite3_column_int64(stmt, 5),
         ColumnValue(stmt, 6).ToBytes()};
  }
  sqlite3_reset(stmt);
  if (!found) throw RuntimeError("no element " + std::to_string(id));
  return e;
}

// The service measures the text object as the compile leaves it: in the element's font and frame style.
template <class Properties, class Service>
MinimumSize Measure(const ElementSize& e, Service service) {
  Properties p;
  p.LoadFromBinary(e.binary);
  auto text = p.GetTextObject();
  text.SetFrameStyle(static_cast<int32_t>(e.frameStyle));
  text.SetFont(static_cast<int32_t>(e.font));
  int32_t width = 0, height = 0;
  std::string sample;
  service(p, width, height, sample);
  bool holds = e.dx >= width && e.dy >= height;
  return {"minimum " + std::to_string(width) + " x " + std::to_string(height) + " for \"" + sample +
              "\"; the element's frame " + std::to_string(e.dx) + " x " + std::to_string(e.dy) +
              (holds ? " holds it" : " is too small"),
          holds};
}

}  // namespace

MinimumSize MeasureMinimumSize(clsDownload& compiler, Connection& conn, int32_t elementId) {
  ElementSize e = ReadElement(conn, elementId);
  if (e.type == kTypeVariable && e.varType == kVarTimer) {
    return Measure<TimerProperties>(
        e, [&](auto& p, auto& w, auto& h, auto& s) { compiler.prvTimerMinimumSize(p, w, h, s); });
  }
  if (e.type == kTypeVariable && e.varType == kVarClock) {
    return Measure<ClockProperties>(
        e, [&](auto& p, auto& w, auto& h, auto& s) { compiler.prvRTCMinimumSize(p, w, h, s); });
  }
  // An entry field measures its mode's sample ("00:00", "9999") or its grid of names; for a
  // grid the text shown is the sample text the compile fits.
  if (e.type == kTypeVariable && e.varType == kVarEntryField) {
    return Measure<EntryFieldProperties>(e, [&](auto& p, auto& w, auto& h, auto& s) {
      s = p.TextSource().SampleText();
      compiler.prvGetEntryMinimumSize(p, w, h, p.EntryMode(), s);
    });
  }
  throw RuntimeError("No size service", "element " + std::to_string(elementId) +
                                            " is not a timer, a clock or an entry field (Type 5, VarType 7, 5 or 6)");
}

}  // namespace brisklet::cli
