// Variable operand, border, background and entry-mode rules of the element header.
#include "database/Recordset.h"
#include "elements/ElementHeader.h"
#include "elements/ElementKinds.h"
#include "host/properties/ElementProperties.h"

namespace brisklet {

int32_t HasVariableOperand(Recordset& row) {
  if (row.Long("VarType") != 0) return 1;
  int32_t type = row.Long("Type");
  bool boxKind = type == kTypeTextButton || type == kTypeFrame || type == kTypeTextBox;
  return boxKind && row.Long("VarOprndType") != 0 ? 1 : 0;
}

int32_t prvGetBorderWidth(int32_t, int32_t, int32_t flat3D) {
  if (flat3D == 0) return 0;
  return (flat3D == 1 || flat3D == 3) ? 2 : 1;
}

int32_t prvGetBorder3DFlag(int32_t flat3D) { return flat3D == 3 ? 1 : 0; }

bool IsEntryTouchMode(Recordset& row) {
  if (row.Long("VarType") != kVarEntryField) return false;
  EntryFieldProperties props;
  props.LoadFromBinary(row.Field("Binary").ToBytes("Binary"));
  int32_t mode = props.EntryMode();
  return mode == 2 || mode == 3 || mode == 4;
}

bool IsVarType15(Recordset& row) { return row.Long("VarType") == kVarTextField; }

int32_t BackgroundMode(Recordset& row) {
  int32_t varType = row.Long("VarType");
  int32_t mode = 0;
  if (row.Long("ColorBack") == -1 || varType == 21 || varType == 22 || row.Long("Flat3D") == 4) {
    mode = 1;
  } else if (varType == 9 || varType == 23 || varType == 24 || varType == 25 || varType == 27) {
    mode = 2;
  }
  if (varType == 2 || varType == 3 || varType == 11 || varType == 29) mode = 3;
  return mode;
}

}  // namespace brisklet
