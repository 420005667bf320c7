// Opening recordsets through the project environment.
#include "host/RecordsetAccess.h"

#include "database/Connection.h"
#include "host/HostFactory.h"

namespace brisklet {

std::unique_ptr<Recordset> GetRecordset(const std::string& sql, int cursorType, int lockType) {
  auto env = CurrentHost().NewProjectEnvironment();
  return std::make_unique<Recordset>(env->GetProjectConnection(), sql, cursorType, lockType);
}

void ExecuteSql(const std::string& sql, int cursorType, int lockType) { GetRecordset(sql, cursorType, lockType); }

std::unique_ptr<Recordset> GetRecordset(const std::string& sql, const std::vector<Value>& params, int cursorType,
                                        int lockType) {
  return std::make_unique<Recordset>(ProjectConnection(), sql, params, cursorType, lockType);
}

void ExecuteSql(const std::string& sql, const std::vector<Value>& params) { ProjectConnection().Execute(sql, params); }

Connection& ProjectConnection() { return CurrentHost().NewProjectEnvironment()->GetProjectConnection(); }

}  // namespace brisklet
