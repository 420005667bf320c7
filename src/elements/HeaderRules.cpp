// Variable operand, border, background and touch rules of the element header.
#include "base/Constants.h"
#include "database/Recordset.h"
#include "elements/ElementHeader.h"
#include "elements/KindProperties.h"
#include "elements/KindRegistry.h"

namespace brisklet {

bool IsBoxKind(int32_t type) { return type == kTypeTextButton || type == kTypeFrame || type == kTypeTextBox; }

int32_t HasVariableOperand(Recordset& row) {
  if (row.Long("VarType") != kVarNone) return 1;
  return IsBoxKind(row.Long("Type")) && row.Long("VarOprndType") != 0 ? 1 : 0;
}

int32_t prvGetBorderWidth(int32_t, int32_t, int32_t flat3D) {
  if (flat3D == kFrameNone) return 0;
  return (flat3D == kFrame3DRaised || flat3D == kFrame3DSunken) ? 2 : 1;
}

int32_t prvGetBorder3DFlag(int32_t flat3D) { return flat3D == kFrame3DSunken ? 1 : 0; }

bool IsEntryTouchMode(Recordset& row) {
  EntryFieldProperties props;
  Bytes blob = row.Field("Binary").ToBytes("Binary");
  props.LoadFromBinary(blob);
  int32_t mode = props.EntryMode();
  props.HandOn(blob);  // the entry field's compiler reads it next
  return mode == 2 || mode == 3 || mode == 4;
}

bool IsSwitchButton(Recordset& row) {
  ButtonProperties props;
  Bytes blob = row.Field("Binary").ToBytes("Binary");
  props.LoadFromBinary(blob);
  bool isSwitch = props.IsSwitch() == -1;
  props.HandOn(blob);  // the button's compiler reads it next
  return isSwitch;
}

int32_t BackgroundMode(Recordset& row) {
  const KindRow* kind = FindVariableKind(row.Long("VarType"));
  BackgroundRule rule = kind ? kind->background : BackgroundRule::Own;
  bool transparent =
      row.Long("ColorBack") == -1 || rule == BackgroundRule::Transparent || row.Long("Flat3D") == kFrameTransparent;
  if (rule == BackgroundRule::Fixed) return 3;
  if (transparent) return 1;
  return rule == BackgroundRule::Graph ? 2 : 0;
}

bool IsTrendGraph(int32_t varType) {
  const KindRow* kind = FindVariableKind(varType);
  return kind && (kind->touch == TouchRule::Trend || kind->touch == TouchRule::TrendScale);
}

}  // namespace brisklet
