// The download type of an element kind (header byte 2), from the kind table.
#include "elements/ElementHeader.h"
#include "elements/KindRegistry.h"
#include "encoding/HostMessages.h"

namespace brisklet {

int32_t GetDownloadVariableType(int32_t type, int32_t varType, bool alternate) {
  if (!IsKnownType(type)) {
    ShowMessageBox("mdlServices: Need to implement GetDownloadVariableType");
    return 0;
  }
  const KindRow* kind = FindKind(type, varType);
  if (!kind) return 0;  // a VarType without a kind
  return alternate && kind->entryDownloadType != 0 ? kind->entryDownloadType : kind->downloadType;
}

}  // namespace brisklet
