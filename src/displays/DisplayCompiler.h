// The display half of the compiler: the "PT" display record with its element list and "Pj"
// jumps, and the "PC" page conversion table.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "elements/ElementCompiler.h"

namespace brisklet {

class DisplayCompiler : public ElementCompiler {
 public:
  // A new collection holding the one unit of the page conversion table.
  std::vector<std::unique_ptr<DownloadUnit>> GetConvertionPageNumToPointerTable();

 protected:
  explicit DisplayCompiler(HostFactory& host) : ElementCompiler(host) {}

  std::unique_ptr<Recordset> prvOpenDisplayRow(int32_t displayId);
  Bytes prvCompileDisplayRecord(Recordset& row);
  void prvGetDisplayElementList(int32_t displayId, Bytes& list, int32_t& count);
  void prvAppendElementGuids(Bytes& list, Recordset& rs);
  Bytes prvCompileDisplayJumps(int32_t displayId, int32_t isDisplayedOpType, int32_t isDisplayedOpAddress);
};

}  // namespace brisklet
