// The element kind table: which compiler builds the kind bytes of each Type / VarType.
#include "component/clsDownload.h"
#include "elements/ElementKinds.h"
#include "encoding/mdlServices.h"

namespace brisklet {

struct KindRow {
  int32_t type;
  int32_t varType;            // 0 for the kinds chosen by Type alone
  const char* tag;            // the tag the compiler writes, for the reader
  clsDownload::KindCompiler compile;  // null: not built yet, no kind bytes
};

// The table lives in a member so that it may name the private kind compilers.
std::span<const KindRow> clsDownload::prvKindTable() {
  // clang-format off
  static const KindRow kKinds[] = {
    // Type  VarType  tag   compiler
    {1,  0,  "RC", &clsDownload::prvCompileRectangle},
    {2,  0,  "LI", &clsDownload::prvCompileLine},
    {3,  0,  "PS", &clsDownload::prvCompileStaticPicture},
    {4,  0,  "LS", &clsDownload::prvCompileTextBox},
    {6,  0,  "EL", &clsDownload::prvCompileEllipse},
    {7,  0,  "RR", &clsDownload::prvCompileRoundRect},
    {11, 0,  "BT", &clsDownload::prvCompileTextButton},
    {12, 0,  "FR", &clsDownload::prvCompileTextBox},
    {5,  1,  "PB", nullptr},
    {5,  2,  "LB", nullptr},
    {5,  3,  "LL", nullptr},
    {5,  4,  "PL", nullptr},
    {5,  5,  "EC", nullptr},
    {5,  6,  "EF", nullptr},
    {5,  7,  "ET", nullptr},
    {5,  8,  "LN", nullptr},
    {5,  9,  "BG", nullptr},
    {5,  11, "LR", nullptr},
    {5,  12, "PR", nullptr},
    {5,  13, "LN", nullptr},
    {5,  15, "LA", nullptr},
    {5,  16, "EO", nullptr},
    {5,  19, "EU", nullptr},
    {5,  20, "PM", &clsDownload::prvCompileStaticPicture},
    {5,  21, "MG", nullptr},
    {5,  22, "TG", nullptr},
    {5,  23, "TR", nullptr},
    {5,  24, "LG", nullptr},
    {5,  25, "TM", nullptr},
    {5,  27, "TS", nullptr},
    {5,  28, "BS", nullptr},
    {5,  29, "NR", nullptr},
    {5,  30, "EP", nullptr},
  };
  // clang-format on
  return kKinds;
}

namespace {

const KindRow* FindKind(std::span<const KindRow> kinds, int32_t type, int32_t varType) {
  for (const KindRow& row : kinds) {
    if (row.type == type && row.varType == (type == kTypeVariable ? varType : 0)) return &row;
  }
  return nullptr;
}

bool IsKnownType(std::span<const KindRow> kinds, int32_t type) {
  for (const KindRow& row : kinds) {
    if (row.type == type) return true;
  }
  return false;
}

}  // namespace

Bytes clsDownload::prvGetVariableDataByType(Recordset& row, int32_t type, int32_t varType) {
  if (!IsKnownType(prvKindTable(), type)) {
    ShowMessageBox("Need to implement: prvGetVariableDataByType");
    return {};
  }
  const KindRow* kind = FindKind(prvKindTable(), type, varType);
  if (!kind || !kind->compile) return {};  // VarType 10, 14, 17, 18, 26, out of range, or not built yet
  return (this->*(kind->compile))(row);
}

}  // namespace brisklet
