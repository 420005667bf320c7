// Loader function GUIDs of a display.
#include "displays/LoaderFunctions.h"

#include "displays/Queries.h"
#include "host/RecordsetAccess.h"

namespace brisklet {
namespace {

int32_t LoaderGuid(const char* sql, const char* alias, int32_t displayId) {
  auto rs = GetRecordset(sql + std::string("?"), {displayId}, 0, 1);
  return rs->Eof() ? 65535 : rs->Long(alias);
}

}  // namespace

int32_t GetConstructorGuid(int32_t displayId) { return LoaderGuid(kSqlConstructorGuid, "ConstrGUID", displayId); }
int32_t GetFunctionGuid(int32_t displayId) { return LoaderGuid(kSqlFunctionGuid, "FuncGUID", displayId); }
int32_t GetDestructorGuid(int32_t displayId) { return LoaderGuid(kSqlDestructorGuid, "DestrGUID", displayId); }

}  // namespace brisklet
