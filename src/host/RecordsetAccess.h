// The two database functions of the compiler: open a recordset on SQL text, run an action
// statement. Both reach the project connection through a new ProjectEnvironment.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "database/Recordset.h"

namespace brisklet {

std::unique_ptr<Recordset> GetRecordset(const std::string& sql, int cursorType, int lockType);
void ExecuteSql(const std::string& sql, int cursorType, int lockType);
// The same with bound parameters: the way to pass values, numbers included ("... WHERE ID=?").
std::unique_ptr<Recordset> GetRecordset(const std::string& sql, const std::vector<Value>& params,
                                        int cursorType = kStatic, int lockType = kReadOnly);
void ExecuteSql(const std::string& sql, const std::vector<Value>& params);
// The project connection itself (upgrades, savepoints).
Connection& ProjectConnection();

// Decimal text of a number, as messages (and texts not yet given parameters) append it.
inline std::string Num(int64_t v) { return std::to_string(v); }

}  // namespace brisklet
