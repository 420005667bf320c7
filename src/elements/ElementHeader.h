// The rules behind the 90-byte element header: download type, variable operand, borders,
// background and touch.
#pragma once
#include <cstdint>

namespace brisklet {

class Recordset;

int32_t GetDownloadVariableType(int32_t type, int32_t varType, bool alternate);
// Text boxes, frames and text buttons: a variable operand is theirs only when they name one.
bool IsBoxKind(int32_t type);
int32_t HasVariableOperand(Recordset& row);
int32_t prvGetBorderWidth(int32_t type, int32_t varType, int32_t flat3D);
int32_t prvGetBorder3DFlag(int32_t flat3D);
// An entry field whose EntryMode is a picker grid (2 to 4).
bool IsEntryTouchMode(Recordset& row);
// A button whose IsSwitch property is set.
bool IsSwitchButton(Recordset& row);
int32_t BackgroundMode(Recordset& row);
// The two trend graphs, whose header always says that they carry a variable.
bool IsTrendGraph(int32_t varType);

}  // namespace brisklet
