// The decode context of a project, read once before its records are decoded.
#include "decoding/DecodeContext.h"

#include "database/Connection.h"
#include "database/Recordset.h"
#include "decoding/Queries.h"
#include "host/HostFactory.h"

namespace brisklet {
namespace {

uint16_t Low16Of(const Value& guid) { return static_cast<uint16_t>(guid.ToLong("GUID") & 0xFFFF); }

std::vector<std::string> Fonts(Connection& db) {
  std::vector<std::string> fonts;
  Recordset rs(db, kSqlFontsByIndex, 0, 1);
  for (; !rs.Eof(); rs.MoveNext()) {
    fonts.push_back("font " + rs.Field("FontNumber").SqlText() + " (" + rs.Str("FontName") + ", " +
                    rs.Field("PixelSize").SqlText() + " px)");
  }
  return fonts;
}

std::string NameOf(const std::map<uint16_t, std::string>& names, uint32_t guid) {
  auto it = names.find(static_cast<uint16_t>(guid));
  return it == names.end() ? "" : it->second;
}

}  // namespace

std::string DecodeContext::ElementOf(uint32_t guid) const { return NameOf(elements, guid); }

std::string DecodeContext::DisplayOf(uint32_t guid) const { return NameOf(displays, guid); }

DecodeContext ReadDecodeContext(HostFactory& host, Connection& db) {
  DecodeContext context;
  int32_t reserved = 0;
  context.screenWidth = host.NewScreenInfo()->GetScreenWidth(reserved);
  context.codePage = host.AnsiCodePage();
  context.fonts = Fonts(db);
  // A GUID that two items share in its low 16 bits names the first of them.
  Recordset elements(db, kSqlElementGuids, 0, 1);
  for (; !elements.Eof(); elements.MoveNext()) {
    context.elements.emplace(Low16Of(elements.Field("GUID")), "element " + elements.Field("ID").SqlText());
  }
  Recordset displays(db, kSqlDisplayNames, 0, 1);
  for (; !displays.Eof(); displays.MoveNext()) {
    context.displays.emplace(Low16Of(displays.Field("GUID")),
                             "display " + displays.Field("Id").SqlText() + " (" + displays.Str("Description") + ")");
  }
  return context;
}

}  // namespace brisklet
