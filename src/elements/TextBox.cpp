// Text boxes "LS" (Type 4) and "FR" (Type 12), and the text button "BT" (Type 11), which
// also carries a picture.
//
// "LS" / "FR":                          "BT":
//  OFFSET SIZE DESCRIPTION               OFFSET SIZE DESCRIPTION
//   0      2   tag                        0      2   tag "BT"
//   2      1   text mode                  2      1   fixed 0
//   3      1   reserved                   3      1   reserved
//   4      n   text block                 4     14   image placement block
//                                        18      1   text mode
//                                        19      1   reserved
//                                        20      n   text block
#include "base/ByteWriter.h"
#include "base/Constants.h"
#include "base/FrameMargin.h"
#include "elements/ElementCompiler.h"
#include "encoding/FontLookups.h"
#include "encoding/ImageEncoding.h"
#include "encoding/TextEncoding.h"

namespace brisklet {
namespace {

// 3: linked to a variable; 2: linked to a text address; 1: a constant text; 0: no text.
uint8_t TextModeOf(Recordset& row) {
  if (row.Long("VarOprndType") != 0) return kTextVariable;
  if (row.Long("VarOprndAddr") > -1) return kTextAddress;
  return row.Str("Text").empty() ? kTextNone : kTextConstant;
}

}  // namespace

void ElementCompiler::prvReportTextFitWarning(Recordset& row, const std::string& text, const std::string& fitted) {
  if (text == fitted) return;
  std::string oneLine;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      oneLine += ' ';
      ++i;
    } else {
      oneLine += text[i];
    }
  }
  size_t b = oneLine.find_first_not_of(' '), e = oneLine.find_last_not_of(' ');
  oneLine = b == std::string::npos ? std::string() : oneLine.substr(b, e - b + 1);
  prvReportMessage({kRuleTextDoesNotFit, kSeverityWarning, row.Long("ModuleID"), row.Str("DisplayName"),
                    oneLine + kTooSmallToFitText, row.Long("DisplayID"), ElementOfRow(row, oneLine)});
}

std::string ElementCompiler::prvFitTextToFrame(int32_t xs, int32_t ys, int32_t dx, int32_t dy, const std::string& text,
                                               int32_t fontNumber, int32_t flat3D) {
  return FitTextToFrame(xs, ys, dx, dy, text, fontNumber, flat3D);
}

Bytes ElementCompiler::prvCompileTextBox(Recordset& row, std::string_view tag) {
  ByteWriter out;
  uint8_t mode = TextModeOf(row);
  out.tag(tag).u8(mode, "text mode").u8(0, "reserved");
  return out.bytes(prvCompileTextBlock(row, mode), "text").take();
}

Bytes ElementCompiler::prvCompileTextButton(Recordset& row, std::string_view tag) {
  int32_t flat3D = row.Long("Flat3D");
  int32_t o = Frame3DInset(flat3D);
  int32_t id = row.Long("ID");
  int32_t crc = GetImageCrc(id, 0);
  int32_t number = prvImageNumber(crc);
  int32_t transparency = GetImageTransparency(id, 0);
  ByteWriter out;
  out.tag(tag)
      .u8(0, "reserved")
      .u8(0, "reserved")
      .bytes(EncodeImageBlock(CheckedAdd(row.Long("Xs"), o), CheckedAdd(row.Long("Ys"), o), number, crc, transparency,
                              -1, -1),
             "image")
      .u8(TextModeOf(row), "text mode")
      .u8(0, "reserved");
  return out.bytes(prvCompileTextBlock(row, TextModeOf(row)), "text").take();
}

// The text block of a text box: fit warning first, then the static or linked block.
Bytes ElementCompiler::prvCompileTextBlock(Recordset& row, int32_t mode) {
  int32_t xs = row.Long("Xs"), ys = row.Long("Ys"), dx = row.Long("Dx"), dy = row.Long("Dy");
  std::string text = row.Str("Text");
  int32_t font = row.Long("FontNumber");
  int32_t flat3D = row.Long("Flat3D");
  prvReportTextFitWarning(row, text, prvFitTextToFrame(xs, ys, dx, dy, text, font, flat3D));
  if (mode == kTextAddress || mode == kTextVariable) {
    return EncodeLinkedTextBlock(*mTextService, row.Long("VarOprndAddr"), row.Long("VarOprndType"), xs, ys, dx, dy,
                                 text, font, row.Long("ColorFore"), row.Long("Alignment"), flat3D);
  }
  return EncodeStaticTextBlock(xs, ys, dx, dy, text, font, row.Long("ColorFore"), row.Long("Alignment"), flat3D);
}

}  // namespace brisklet
