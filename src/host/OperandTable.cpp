// The operand translation table. Value-carrying rows keep the constant in the address column.
#include "host/OperandTable.h"

namespace brisklet {
namespace {
using K = OperandValueKind;
constexpr OperandRow kRows[] = {
    // project  name                         download  value
    {0, "none (no operand)", 0, K::None},
    {1, "MB memory bit", 1, K::None},
    {2, "MI memory integer", 2, K::None},
    {3, "ML memory long", 3, K::None},
    {4, "MF memory float", 4, K::None},
    {5, "I input", 5, K::None},
    {6, "O output", 6, K::None},
    {7, "T timer current value", 7, K::None},
    {8, "T timer preset", 8, K::None},
    {9, "C counter", 9, K::None},
    {10, "SB system bit", 10, K::None},
    {11, "SI system integer", 11, K::None},
    {12, "SL system long", 12, K::None},
    {13, "DW memory double word", 13, K::None},
    {14, "TB timer bit", 14, K::None},
    {16, "XB fast memory bit", 16, K::None},
    {17, "XI fast memory integer", 17, K::None},
    {18, "XL fast memory long", 18, K::None},
    {19, "CB counter bit", 19, K::None},
    {20, "SDW system double word", 20, K::None},
    {15, "constant unsigned", 15, K::Unsigned},
    {34, "constant integer", 34, K::Signed},
    {35, "constant long unsigned", 35, K::Unsigned},
    {37, "constant long", 37, K::Signed},
    {38, "constant double word", 38, K::Unsigned},
};
}  // namespace

std::span<const OperandRow> OperandTable() { return kRows; }

const OperandRow* FindOperandRow(int32_t projectType) {
  for (const OperandRow& row : kRows) {
    if (row.projectType == projectType) return &row;
  }
  return nullptr;
}

OperandValueKind ValueKindOfDownloadType(int32_t downloadType) {
  for (const OperandRow& row : kRows) {
    if (row.downloadType == downloadType) return row.value;
  }
  return OperandValueKind::None;
}

}  // namespace brisklet
