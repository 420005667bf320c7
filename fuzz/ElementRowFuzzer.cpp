// Fuzzes the element compiler with element rows: the input's first bytes choose the kind and
// the numeric columns, the rest is split into the text and the property blob. The element is
// compiled in an in-memory project with a font, an image and a trend; every input either
// gives a record or a design message, or is refused with the compiler's run-time error.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/RuntimeError.h"
#include "component/clsDownload.h"
#include "database/Connection.h"
#include "host/DefaultHost.h"

namespace {

using namespace brisklet;

struct Project {
  std::unique_ptr<Connection> db = Connection::CreateInMemory();
  DefaultHostOptions options = [] {
    DefaultHostOptions o;
    o.notice = [](const std::string&) {};
    return o;
  }();
  DefaultHost host{*db, options};
  clsDownload compiler{host};

  Project() {
    db->Execute(
        "INSERT INTO HMI_Palettes(ID, GUID) VALUES (1, 500);"
        "INSERT INTO DispModules(ModuleID, ModuleName) VALUES (1, 'Main');"
        "INSERT INTO Pages(Id, GUID, ModuleID, Description, PaletteID) VALUES (1, 100, 1, 'Setup', 1);"
        "INSERT INTO tblFonts(FontNumber, FontCRC, Charset, FontName, PixelSize, LineHeight, Ascent) "
        "VALUES (1, 1234, 0, 'Test', 10, 12, 9);"
        "INSERT INTO Trends(TrendID, Name, HistoryPoints) VALUES (1, 'Trend', 100);"
        "INSERT INTO Curves(CurveID) VALUES (1), (2);"
        "INSERT INTO ProjectImages(ImageID, CRC, Bits, Data8bpp) VALUES (1, 77, 8, X'789cd3d2a20c0000558f0a81');");
    for (int code = 32; code < 256; ++code) {
      db->Execute("INSERT INTO tblFontGlyphs(FontNumber, Code, Advance) VALUES (1, ?, ?)",
                  {Value(code), Value(code % 9 + 2)});
    }
  }
};

// Reads the input front to back; past its end every value is 0.
struct Input {
  const uint8_t* data;
  size_t size;
  size_t at = 0;
  int32_t Byte() { return at < size ? data[at++] : 0; }
  int32_t Small() { return static_cast<int8_t>(Byte()); }                  // -128 to 127
  int32_t Wide() { return static_cast<int16_t>(Byte() | Byte() << 8); }  // 16 bits, signed
  std::string Rest() { return at < size ? std::string(reinterpret_cast<const char*>(data + at), size - at) : ""; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Project project;
  Input in{data, size};
  int32_t type = in.Byte() % 14, varType = in.Byte() % 32;
  std::vector<Value> row = {Value(type),       Value(varType),    Value(in.Wide()),  Value(in.Wide()),
                            Value(in.Wide()),  Value(in.Wide()),  Value(in.Byte() % 6), Value(in.Small()),
                            Value(in.Small()), Value(in.Byte() % 3), Value(in.Small()), Value(in.Small()),
                            Value(in.Wide()),  Value(in.Small()), Value(in.Wide())};
  std::string rest = in.Rest();
  size_t split = rest.find('\x01');
  row.push_back(Value(rest.substr(0, split)));
  row.push_back(split == std::string::npos ? Value() : Value(Bytes(rest.begin() + static_cast<long>(split) + 1, rest.end())));
  Connection& db = *project.db;
  db.Execute("DELETE FROM HMI_Elements");
  db.Execute("DELETE FROM ElementsAndImages");
  db.Execute(
      "INSERT INTO HMI_Elements(ID, GUID, DisplayID, Type, VarType, Xs, Ys, Dx, Dy, Flat3D, ColorBack, ColorFore, "
      "FontNumber, Alignment, PenWidth, TouchOprndAddr, VarOprndType, VarOprndAddr, Text, Binary) "
      "VALUES (1, 1000, 1, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
      row);
  db.Execute("INSERT INTO ElementsAndImages(Element_ID, Image_Index, Image_CRC, TransparencyLevel) VALUES (1, 0, 77, 1)");
  try {
    (void)project.compiler.ElementRecord(1);
  } catch (const RuntimeError&) {
  }
  return 0;
}
