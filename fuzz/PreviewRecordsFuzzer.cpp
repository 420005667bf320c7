// Fuzzes the preview with a record set: the input is a display record and element records,
// each behind its 16-bit length, drawn on a 320 x 240 panel of an in-memory project with a
// font (with its file when the system has DejaVu Sans Mono), an image and a text-table entry.
// Every input either draws or is refused with the compiler's run-time error.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "base/RuntimeError.h"
#include "database/Connection.h"
#include "preview/DisplayPreview.h"

namespace {

using namespace brisklet;

struct Panel {
  std::unique_ptr<Connection> db = Connection::CreateInMemory();
  DecodeContext context;
  std::unique_ptr<PanelFonts> fonts;
  std::unique_ptr<PanelImages> images;
  std::unique_ptr<TextTable> texts;

  Panel() {
    std::ifstream file("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", std::ios::binary);
    Bytes font((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    db->Execute(
        "INSERT INTO tblFonts(FontNumber, FontCRC, Charset, FontName, PixelSize, LineHeight, Ascent, FontFile) "
        "VALUES (1, 1234, 0, 'Mono', 10, 12, 9, ?)",
        {font.empty() ? Value() : Value(font)});
    db->Execute(
        "INSERT INTO ProjectImages(ImageID, CRC, Bits, Data8bpp) VALUES (1, 77, 8, X'789cd3d2a20c0000558f0a81');"
        "INSERT INTO ProjectTexts(ID, TextIndex, Text) VALUES (1, 1, 'Linked');");
    for (int code = 32; code < 256; ++code) {
      db->Execute("INSERT INTO tblFontGlyphs(FontNumber, Code, Advance) VALUES (1, ?, ?)",
                  {Value(code), Value(code % 9 + 2)});
    }
    context.screenWidth = 320;
    context.codePage = 1252;
    context.fonts = {"font 1"};
    fonts = std::make_unique<PanelFonts>(*db, context.codePage);
    images = std::make_unique<PanelImages>(*db);
    texts = std::make_unique<TextTable>(*db);
  }
};

// The records of the input: each behind its length (two bytes, little-endian), the first the
// display's; a length past the end takes what is left.
std::vector<Bytes> RecordsOf(const uint8_t* data, size_t size) {
  std::vector<Bytes> records;
  size_t at = 0;
  while (at + 2 <= size && records.size() < 64) {
    size_t length = data[at] | (data[at + 1] << 8);
    at += 2;
    length = std::min(length, size - at);
    records.emplace_back(data + at, data + at + length);
    at += length;
  }
  if (records.empty()) records.emplace_back();
  return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Panel panel;
  std::vector<Bytes> records = RecordsOf(data, size);
  std::vector<PreviewElement> elements;
  for (size_t i = 1; i < records.size(); ++i) {
    int32_t at = static_cast<int32_t>(i * 7 % 300);
    elements.push_back({records[i], {at, at / 2, 20, 10}, static_cast<int32_t>(i % 3)});
  }
  try {
    (void)DrawDisplay(records[0], elements, panel.context, *panel.fonts, *panel.images, *panel.texts, 240);
  } catch (const RuntimeError&) {
  }
  return 0;
}
