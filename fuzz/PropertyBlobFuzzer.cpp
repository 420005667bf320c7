// Fuzzes the property blob loader with the kinds whose blobs nest deepest: numbers with colour
// ranges (objects and an indexed array) and trends (lists of objects). Every input either loads
// or is refused with the compiler's run-time error; nothing else may escape.
#include <cstddef>
#include <cstdint>

#include "base/RuntimeError.h"
#include "elements/NumericProperties.h"
#include "elements/TrendProperties.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brisklet;
  Bytes blob(data, data + size);
  try {
    RangeNumericProperties ranges;
    ranges.LoadFromBinary(blob);
    (void)ranges.GetUnitsSource().GetSourceText();
    for (int32_t k = 1; k <= ranges.GetRangeCount() && k <= 64; ++k) (void)ranges.GetRange(k).GetRangeColor();
  } catch (const RuntimeError&) {
  }
  try {
    TrendProperties trend;
    trend.LoadFromBinary(blob);
    for (const CurveProperties& curve : trend.GetCurves()) (void)curve.GetCurveName();
    for (const PartRect& part : trend.GetPartRect()) (void)part.w();
  } catch (const RuntimeError&) {
  }
  return 0;
}
