// The element compiler's services, the element row and its error scope, and new units.
#include "elements/ElementCompiler.h"

#include "base/RuntimeError.h"
#include "elements/ElementRowsAhead.h"
#include "elements/Queries.h"
#include "host/RecordsetAccess.h"

namespace brisklet {
namespace {

// "element 17", then "element 17 (GUID 1042) on display 3" once the row is read.
std::string ElementScopeText(int32_t elementId, const Recordset* row) {
  std::string where = "element " + std::to_string(elementId);
  if (row && !row->Eof()) {
    where += " (GUID " + row->Field("VariableGUID").SqlText() + ") on display " + row->Field("DisplayID").SqlText();
  }
  return where;
}

// The element query finds no row: the element, or its display, does not exist.
[[noreturn]] void ThrowMissingElement(int32_t elementId) {
  auto display = GetRecordset(kSqlElementDisplay + std::string("?"), {elementId}, 0, 1);
  std::string detail = display->Eof() ? "no element " + std::to_string(elementId)
                                      : "element " + std::to_string(elementId) + " is on display " +
                                            display->Field("DisplayID").SqlText() + ", which does not exist";
  throw RuntimeError("Either BOF or EOF is True, or the current record has been deleted", detail);
}

}  // namespace

ElementCompiler::ElementCompiler(HostFactory& host) : mHost(host) {
  ActiveHost active(mHost);
  mImageService = mHost.NewImageService();
  mFontService = mHost.NewFontNameService();
  mTextService = mHost.NewTextService();
  auto env = mHost.NewProjectEnvironment();
  mTextService->AttachConnection(env->GetProjectConnection(), true);
}

ElementCompiler::~ElementCompiler() {
  mImageService.reset();
  mFontService.reset();
  mTextService.reset();
}

std::unique_ptr<DownloadUnit> ElementCompiler::prvNewUnit(int32_t guid, const Bytes& record) {
  auto unit = mHost.NewDownloadUnit();
  unit->SetMode(1);
  unit->SetUnitGuid(guid);
  unit->SetData(record, 1);
  return unit;
}

std::unique_ptr<Recordset> ElementCompiler::prvOpenElementRow(int32_t elementId) {
  if (mRowsAhead) {
    if (auto row = mRowsAhead->Take(elementId)) return row;
  }
  return GetRecordset(kSqlElementRow + std::string("?"), {elementId}, 0, 3);
}

void ElementCompiler::prvPlaceElement(ErrorScope& scope, int32_t elementId, const Recordset* row) {
  // Spelt out only for an error, from the row, which the caller keeps while the scope is open.
  scope.Refine([elementId, row] { return ElementScopeText(elementId, row); });
}

std::unique_ptr<Recordset> ElementCompiler::prvOpenElement(int32_t elementId, ErrorScope& scope) {
  prvPlaceElement(scope, elementId, nullptr);
  auto row = prvOpenElementRow(elementId);
  prvPlaceElement(scope, elementId, row.get());
  if (row->Eof()) ThrowMissingElement(elementId);
  if (row->Long("ModuleID") == -1) return nullptr;
  return row;
}

int32_t ElementCompiler::prvImageNumber(int32_t crc) {
  auto env = mHost.NewProjectEnvironment();
  return mImageService->GetImageNumber(crc, env->GetProjectConnection());
}

}  // namespace brisklet
