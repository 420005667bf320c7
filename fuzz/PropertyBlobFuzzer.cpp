// Fuzzes the property blob loader with the kinds whose blobs nest deepest: numbers with colour
// ranges (objects and an indexed array) and trends (lists of objects). Every input either loads
// or is refused with the compiler's run-time error; nothing else may escape. The quick reader
// of plain blobs must read exactly what nlohmann reads, or leave the blob to it.
#include <cstddef>
#include <cstdint>

#include "base/RuntimeError.h"
#include "elements/NumericProperties.h"
#include "elements/TrendProperties.h"
#include "host/properties/PlainJson.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace brisklet;
  Bytes blob(data, data + size);
  if (std::optional<nlohmann::json> plain = ReadPlainJsonObject(blob)) {
    nlohmann::json full = nlohmann::json::parse(blob.begin(), blob.end(), nullptr, false);
    if (!IdenticalJson(*plain, full)) __builtin_trap();
  }
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
