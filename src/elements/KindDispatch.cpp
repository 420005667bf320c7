// The element kind table, made from the kind list, and the dispatch to the kind compilers.
#include "elements/KindRegistry.h"
#include "encoding/HostMessages.h"

namespace brisklet {

// The table names the protected kind compilers, so it is built by a friend of the compiler.
struct KindTableAccess {
  static std::span<const KindRow> Rows() {
    using B = BackgroundRule;
    using T = TouchRule;
    static const KindRow kKinds[] = {
#define KIND(type, varType, tag, compiler, download, entry, background, touch) \
  {type, varType, tag, &ElementCompiler::compiler, download, entry, B::background, T::touch},
#define KIND_SHARED KIND
#define KIND_PENDING(type, varType, tag, compiler, download, entry, background, touch) \
  {type, varType, tag, nullptr, download, entry, B::background, T::touch},
#include "elements/ElementKinds.def"
#undef KIND
#undef KIND_SHARED
#undef KIND_PENDING
    };
    return kKinds;
  }
};

std::span<const KindRow> KindTable() { return KindTableAccess::Rows(); }

const KindRow* FindKind(int32_t type, int32_t varType) {
  int32_t wanted = type == kTypeVariable ? varType : kVarNone;
  for (const KindRow& row : KindTable()) {
    if (row.type == type && row.varType == wanted) return &row;
  }
  return nullptr;
}

const KindRow* FindVariableKind(int32_t varType) {
  return varType == kVarNone ? nullptr : FindKind(kTypeVariable, varType);
}

bool IsKnownType(int32_t type) {
  for (const KindRow& row : KindTable()) {
    if (row.type == type) return true;
  }
  return false;
}

Bytes ElementCompiler::prvGetVariableDataByType(Recordset& row, int32_t type, int32_t varType) {
  if (!IsKnownType(type)) {
    ShowMessageBox("Need to implement: prvGetVariableDataByType");
    return {};
  }
  const KindRow* kind = FindKind(type, varType);
  if (!kind || !kind->compile) return {};  // VarType 10, 14, 17, 18, 26, out of range, or not built yet
  return (this->*(kind->compile))(row, kind->tag);
}

}  // namespace brisklet
