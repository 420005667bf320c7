// Screen width from the project settings.
#include "host/SettingsScreenInfo.h"

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"
#include "host/Queries.h"

namespace brisklet {

int32_t SettingsScreenInfo::GetScreenWidth(int32_t&) {
  auto& cache = mHost.Cache().screenWidth;
  if (cache) return *cache;
  Value v = mHost.Db().QueryValue(kSqlScreenWidth).value_or(Value());
  int32_t width = kDefaultScreenWidth;
  if (!v.IsNull()) {
    width = v.ToLong("ScreenWidth");
    if (width <= 0) {
      throw RuntimeError("Invalid screen width",
                         "project setting 'ScreenWidth' is " + v.SqlText() + ", expected a positive number of pixels");
    }
  }
  cache = width;
  return width;
}

}  // namespace brisklet
