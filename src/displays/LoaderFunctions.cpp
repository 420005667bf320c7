// Loader function GUIDs of a display.
#include "displays/LoaderFunctions.h"

#include "host/RecordsetAccess.h"

namespace brisklet {
namespace {

int32_t LoaderGuid(const std::string& select, const std::string& from, const char* alias, int32_t displayId) {
  auto rs = GetRecordset(select + from + "WHERE Pages.Id = " + Num(displayId), 0, 1);
  return rs->Eof() ? 65535 : rs->Long(alias);
}

}  // namespace

int32_t GetConstructorGuid(int32_t displayId) {
  return LoaderGuid("SELECT LdrFunctions.Guid AS ConstrGUID ",
                    "FROM LdrFunctions INNER JOIN Pages ON LdrFunctions.FuncID = Pages.ConstrID ", "ConstrGUID",
                    displayId);
}

int32_t GetFunctionGuid(int32_t displayId) {
  return LoaderGuid("SELECT LdrFunctions.Guid AS FuncGUID ",
                    "FROM LdrFunctions INNER JOIN Pages ON LdrFunctions.FuncID = Pages.FuncID ", "FuncGUID", displayId);
}

int32_t GetDestructorGuid(int32_t displayId) {
  return LoaderGuid("SELECT LdrFunctions.Guid AS DestrGUID ",
                    "FROM LdrFunctions INNER JOIN Pages ON LdrFunctions.FuncID = Pages.DestrID ", "DestrGUID",
                    displayId);
}

}  // namespace brisklet
