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

 private:
  // A value sent as its low 16 bits that does not fit them: the record keeps the cut value, as
  // the panel expects, and the compile reports an error naming the display and the value.
  void prvNoteCut(const char* field, int64_t value);
  void prvReportCuts(Recordset& displayRow);
  struct Cut {
    std::string field;
    int64_t value;
    int64_t count;
  };
  std::vector<Cut> mCuts;
};

}  // namespace brisklet
