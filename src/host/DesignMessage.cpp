// The element of a row, for the messages that name it.
#include "host/DesignMessage.h"

#include "base/RuntimeError.h"

namespace brisklet {
namespace {

int32_t WholeNumber(const Recordset& row, std::string_view field) {
  if (!row.HasField(field)) return 0;
  const Value& v = row.Field(field);
  if (!v.IsNumber()) return 0;
  try {
    return v.ToLong(field);
  } catch (const RuntimeError&) {
    return 0;
  }
}

}  // namespace

MessageElement ElementOfRow(const Recordset& row, std::string name, std::string_view idField,
                            std::string_view guidField) {
  return {WholeNumber(row, idField), WholeNumber(row, guidField), std::move(name)};
}

}  // namespace brisklet
