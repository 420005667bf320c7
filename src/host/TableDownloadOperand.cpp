// Puts a project operand into its download form.
#include "host/TableDownloadOperand.h"

#include "host/OperandTable.h"

namespace brisklet {

int TableDownloadOperand::PrepareDownloadForm() {
  const OperandRow* row = FindOperandRow(mType);
  if (!row) return 0;  // unknown codes go to the panel as they are
  mType = row->downloadType;
  switch (row->value) {
    case OperandValueKind::None: mValue = 0; break;
    case OperandValueKind::Signed:
      mValue = mAddress;
      mAddress = 0;
      break;
    case OperandValueKind::Unsigned:
      mValue = static_cast<int64_t>(static_cast<uint32_t>(mAddress));
      mAddress = 0;
      break;
  }
  return 0;
}

}  // namespace brisklet
