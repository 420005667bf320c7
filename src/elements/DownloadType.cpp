// The download type of an element kind (header byte 2).
#include "elements/ElementHeader.h"
#include "encoding/mdlServices.h"

namespace brisklet {
namespace {

struct VarTypeRow {
  int32_t normal;
  int32_t alternate;  // when the touch kind asks for the entry form; 0: same as normal
};

// Indexed by VarType - 1.
constexpr VarTypeRow kVarTypes[30] = {
    {1, 0},  {2, 0},  {3, 0},   {4, 0},  {5, 26},  {6, 27},  {7, 29},  {8, 25},  {9, 0},  {0, 0},
    {11, 0}, {12, 0}, {25, 0},  {0, 0},  {15, 41}, {16, 30}, {0, 0},   {0, 0},   {19, 28}, {20, 0},
    {35, 0}, {34, 0}, {36, 0},  {37, 0}, {40, 0},  {0, 0},   {42, 0},  {43, 0},  {44, 45}, {46, 0},
};

}  // namespace

int32_t GetDownloadVariableType(int32_t type, int32_t varType, bool alternate) {
  switch (type) {
    case 1: return 33;
    case 2: return 32;
    case 3: return 23;
    case 4: return 24;
    case 6: return 38;
    case 7: return 39;
    case 11: return 21;
    case 12: return 22;
    case 5: {
      if (varType < 1 || varType > 30) return 0;
      const VarTypeRow& row = kVarTypes[varType - 1];
      return alternate && row.alternate != 0 ? row.alternate : row.normal;
    }
    default:
      ShowMessageBox("mdlServices: Need to implement GetDownloadVariableType");
      return 0;
  }
}

}  // namespace brisklet
