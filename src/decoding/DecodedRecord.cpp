// Looking up the fields of a decoded record.
#include "decoding/DecodedRecord.h"

namespace brisklet {

const DecodedField* DecodedRecord::Find(std::string_view name) const {
  for (const DecodedField& f : fields) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

}  // namespace brisklet
