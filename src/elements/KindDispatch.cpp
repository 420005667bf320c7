// The element kind table, made from the kind list, and the dispatch to the kind compilers.
#include "elements/BarGraphProperties.h"
#include "elements/CellLayoutProperties.h"
#include "elements/ClockProperties.h"
#include "elements/EntryTextProperties.h"
#include "elements/FramedPictureProperties.h"
#include "elements/KindProperties.h"
#include "elements/KindRegistry.h"
#include "elements/MeterProperties.h"
#include "elements/NumericProperties.h"
#include "elements/PictureProperties.h"
#include "elements/PointListProperties.h"
#include "elements/StringEntryProperties.h"
#include "elements/TextFieldProperties.h"
#include "elements/TextListProperties.h"
#include "elements/TimerProperties.h"
#include "elements/TrendProperties.h"
#include "encoding/HostMessages.h"

namespace brisklet {
namespace {

// The property class of the kinds that read no blob.
struct NoProperties {
  static std::span<const PropertyDecl> Declarations() { return {}; }
};

}  // namespace

// The table names the protected kind compilers, so it is built by a friend of the compiler.
struct KindTableAccess {
  static std::span<const KindRow> Rows() {
    using B = BackgroundRule;
    using T = TouchRule;
    static const KindRow kKinds[] = {
// clang-format off
#define KIND(type, varType, tag, entryTag, download, entry, properties, background, touch, compiler, ...) \
  {type, varType, tag, entryTag, &ElementCompiler::compiler, download, entry, &properties::Declarations, \
   B::background, T::touch},
#define KIND_SHARED KIND
#define KIND_PENDING(type, varType, tag, entryTag, download, entry, properties, background, touch, ...) \
  {type, varType, tag, entryTag, nullptr, download, entry, &properties::Declarations, B::background, T::touch},
// clang-format on
#include "base/ElementKinds.def"
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

std::string_view EntryTagOf(std::string_view displayTag) {
  for (const KindRow& row : KindTable()) {
    if (row.tag == displayTag && !row.entryTag.empty()) return row.entryTag;
  }
  return "";
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
