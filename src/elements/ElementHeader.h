// The rules behind the 90-byte element header: download type, variable operand, borders.
#pragma once
#include <cstdint>

namespace brisklet {

class Recordset;

int32_t GetDownloadVariableType(int32_t type, int32_t varType, bool alternate);
int32_t HasVariableOperand(Recordset& row);
int32_t prvGetBorderWidth(int32_t type, int32_t varType, int32_t flat3D);
int32_t prvGetBorder3DFlag(int32_t flat3D);
bool IsEntryTouchMode(Recordset& row);
bool IsVarType15(Recordset& row);
int32_t BackgroundMode(Recordset& row);

}  // namespace brisklet
