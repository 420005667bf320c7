// The jumps block "Pj" that closes every display record.
//
//  OFFSET SIZE DESCRIPTION
//   0      2   tag "Pj"
//   2      1   block code 101
//   3      1   reserved
//   4      2   visibility operand type (low 16 bits)
//   6      2   visibility operand address (low 16 bits)
//   8      6   reserved
//  14      2   constructor GUID (FFFF when none)
//  16      2   function GUID (FFFF when none)
//  18      2   destructor GUID (FFFF when none)
//  20      1   jump count
//  21      1   reserved
//  22     8n   jumps: trigger operand type (1), reserved (1), trigger address (2),
//              target display GUID (2), reserved (2)
#include "base/ByteWriter.h"
#include "displays/DisplayCompiler.h"
#include "displays/LoaderFunctions.h"
#include "displays/Queries.h"
#include "host/RecordsetAccess.h"

namespace brisklet {

Bytes DisplayCompiler::prvCompileDisplayJumps(int32_t displayId, int32_t isDisplayedOpType,
                                              int32_t isDisplayedOpAddress) {
  auto jumps = GetRecordset(kSqlJumps + std::string("?") + kSqlJumpsEnd, {displayId}, 3, 1);
  ByteWriter out;
  out.tag("Pj")
      .u8(101, "block code")
      .u8(0, "reserved")
      .u16(Low16(isDisplayedOpType), "visibility operand type")
      .u16(Low16(isDisplayedOpAddress), "visibility operand address")
      .zeros(6, "reserved")
      .u16(Low16(GetConstructorGuid(displayId)), "constructor")
      .u16(Low16(GetFunctionGuid(displayId)), "function")
      .u16(Low16(GetDestructorGuid(displayId)), "destructor")
      .u8(CByte(jumps->RecordCount(), "jump count"), "jump count")
      .u8(0, "reserved");
  for (; !jumps->Eof(); jumps->MoveNext()) {
    out.u8(jumps->Field("JumpOpType").ToByte("JumpOpType"), "jump trigger operand type")
        .u8(0, "jump reserved")
        .u16(Low16(jumps->Long("JumpOpAddress")), "jump trigger operand address")
        .u16(Low16(jumps->Long("PageGUID")), "jump target display")
        .u16(0, "jump reserved");
  }
  return out.take();
}

}  // namespace brisklet
