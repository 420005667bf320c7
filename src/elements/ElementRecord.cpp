// The element record: the 90-byte "VT" header followed by the kind bytes.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "VT"
//   2      1   download type
//   3      1   variable flag (forced to 1 for trend graphs)
//   4      1   touch kind
//   5      1   tab index
//   6      1   background mode
//   7      1   linked variable flag
//   8      2   touch operand address (FFFF when none)
//  10      2   keypad success operand address
//  12      2   visible operand address
//  14      2   reserved
//  16      2   enabled operand address
//  18      2   reserved
//  20      2   highlight operand address
//  22     18   reserved
//  40     12   normal-state geometry block
//  52      1   variable operand present
//  53      1   reserved
//  54      8   variable operand block (zero when none)
//  62     12   touched-state geometry block
//  74      1   touched-state fore colour
//  75     15   reserved
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "elements/ElementHeader.h"
#include "elements/KindRegistry.h"
#include "encoding/GeometryEncoding.h"
#include "encoding/OperandEncoding.h"

namespace brisklet {
namespace {

// The kinds of the Colours touch rule (text boxes and text buttons) show their own touched colours.
bool HasTouchColours(int32_t type) {
  const KindRow* kind = FindKind(type, kVarNone);
  return kind && kind->touch == TouchRule::Colours;
}

// Touched-state border (width, flag) from the element's Flat3D.
void TouchedBorder(int32_t flat3D, int32_t& width, int32_t& flag) {
  if (flat3D == kFrame3DSunken) {
    flag = prvGetBorder3DFlag(kFrame3DRaised);
    width = prvGetBorderWidth(0, 0, kFrame3DSunken);
  } else if (flat3D == kFrame3DRaised) {
    flag = prvGetBorder3DFlag(kFrame3DSunken);
    width = 2;
  }
}

}  // namespace

Bytes ElementCompiler::prvCompileElementRecord(Recordset& row) {
  int32_t type = row.Long("Type");
  int32_t varType = row.Long("VarType");
  int32_t v = HasVariableOperand(row);
  int32_t k = prvGetTouchKind(row);
  bool alternate = k == kTouchEntry || k == kTouchEntryMode || k == kTouchTextField;
  int32_t touchAddr = row.Long("TouchOprndAddr");
  int32_t flat3D = row.Long("Flat3D");
  int32_t xs = row.Long("Xs"), ys = row.Long("Ys"), dx = row.Long("Dx"), dy = row.Long("Dy");
  int32_t width = prvGetBorderWidth(type, varType, flat3D);
  int32_t flag = prvGetBorder3DFlag(flat3D);

  ByteWriter out;
  out.tag("VT")
      .u8(CByte(GetDownloadVariableType(type, varType, alternate), "download type"), "download type")
      .u8(v > 0 || IsTrendGraph(varType) ? 1 : 0, "variable flag")
      .u8(CByte(k, "touch kind"), "touch kind")
      .u8(row.Field("TabIndex").ToByte("TabIndex"), "tab index")
      .u8(static_cast<uint8_t>(BackgroundMode(row)), "background")
      .u8(CByte(prvGetLinkedVariableFlag(row), "linked variable flag"), "linked variable flag")
      .u16(touchAddr < 0 ? 0xFFFF : Low16(touchAddr), "touch operand")
      .u16(Low16(row.Long("KeypadSuccessOpAddr")), "keypad success operand")
      .u16(Low16(row.Long("VisibleOpAddr")), "visible operand")
      .zeros(2, "reserved")
      .u16(Low16(row.Long("EnabledOpAddr")), "enabled operand")
      .zeros(2, "reserved")
      .u16(Low16(row.Long("HighlightOpAddr")), "highlight operand")
      .zeros(18, "reserved")
      .bytes(EncodeGeometryBlock(xs, ys, dx, dy, row.Long("ColorBack"), width, flag), "normal")
      .u8(CByte(v, "variable operand flag"), "variable operand present")
      .zeros(1, "reserved");
  if (v > 0) {
    out.bytes(EncodeOperand(row.Long("VarOprndType"), row.Long("VarOprndAddr")), "variable operand");
  } else {
    out.zeros(8, "variable operand");
  }
  TouchedBorder(flat3D, width, flag);
  bool box = HasTouchColours(type);
  out.bytes(EncodeGeometryBlock(xs, ys, dx, dy, row.Long(box ? "ColorBackTouch" : "ColorBack"), width, flag), "touched")
      .u8(row.Field(box ? "ColorForeTouch" : "ColorFore").ToByte(box ? "ColorForeTouch" : "ColorFore"),
          "touched fore colour")
      .zeros(15, "reserved");
  out.bytes(prvGetVariableDataByType(row, type, varType), "kind bytes");
  return out.take();
}

int32_t ElementCompiler::prvGetTouchKind(Recordset& row) {
  int32_t touch = row.Long("TouchOprndAddr");
  const KindRow* byType = FindKind(row.Long("Type"), row.Long("VarType"));
  const KindRow* byVarType = FindVariableKind(row.Long("VarType"));
  TouchRule rule = byVarType ? byVarType->touch : TouchRule::Plain;
  int32_t result = kTouchNone;
  if (touch == -2) {
    result = kTouchEntry;
    if (rule == TouchRule::EntryMode && IsEntryTouchMode(row)) {
      result = kTouchEntryMode;
    } else if (rule == TouchRule::TextFieldEntry) {
      result = kTouchTextField;
    }
  } else if (touch >= 0) {
    result = kTouchPlain;
    if (byType && byType->touch == TouchRule::Colours) {
      bool same =
          row.Long("ColorBackTouch") == row.Long("ColorBack") && row.Long("ColorForeTouch") == row.Long("ColorFore");
      result = same ? kTouchPlain : kTouchColours;
    }
  }
  switch (rule) {
    case TouchRule::Trend: return kTouchTrend;
    case TouchRule::TrendScale: return kTouchTrendScale;
    case TouchRule::Switch: return IsSwitchButton(row) ? kTouchSwitch : result;
    case TouchRule::ButtonSet: return kTouchButtonSet;
    case TouchRule::TextField: return kTouchTextField;
    default: return result;
  }
}

int32_t ElementCompiler::prvGetLinkedVariableFlag(Recordset& row) {
  int32_t type = row.Long("Type");
  if (IsBoxKind(type)) {
    return row.Long("VarOprndType") == 0 && row.Long("VarOprndAddr") == -1 ? 0 : 1;
  }
  if (type == kTypeVariable) return row.Long("VarType") == kVarTextField ? 1 : 0;
  return 0;
}

}  // namespace brisklet
