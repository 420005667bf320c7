// Readers of the blocks that several record kinds share. Each reads its fields at the current
// offset under the names its layout gives them; the caller opens a part to say which block it
// is ("normal", "text", "item 2").
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace brisklet {

class RecordReader;

// Geometry (12 bytes), box (8), line (12) and image placement (14) blocks.
void ReadGeometryBlock(RecordReader& in);
void ReadBoxBlock(RecordReader& in);
void ReadLineBlock(RecordReader& in);
void ReadImageBlock(RecordReader& in);

// The static text block, whose head says how long it is, and the linked text block, which
// fills the `size` bytes its record gives it.
void ReadStaticTextBlock(RecordReader& in);
void ReadLinkedTextBlock(RecordReader& in, size_t size);
// A linked text behind its length bytes: where the text comes from, the text operand, then
// the linked block, `size` bytes in all.
void ReadLinkedTextTail(RecordReader& in, size_t size);
// Whether the bytes ahead, after `skip` zero bytes, begin a linked text tail (a text-table
// source 2 or a text operand 3), not characters.
bool LinkedTextAhead(const RecordReader& in, size_t skip);

// The text mode of the text boxes and the text button, a reserved byte, and the text block the
// mode chooses (static for modes 0 and 1, linked and filling the record for 2 and 3).
void ReadModeAndText(RecordReader& in);

// The items of the text lists and the text button, each a geometry block and a text block,
// starting where the item table says (`starts`, record offsets); a linked item's text fills
// the item up to the next one.
void ReadTextItems(RecordReader& in, const std::vector<size_t>& starts, bool linked);
// The text source byte of those kinds (2 linked, 1 fixed texts) and the reserved byte behind
// it; whether the texts are linked.
bool ReadTextSource(RecordReader& in);

// Whether kind bytes of this tag are an entry form ("EN", "EO", ...), which begins with a label.
bool IsEntryForm(std::string_view tag);

// The label block of the entry forms, tag included: a label counted with its length byte
// ("EN", "ET", ...) or ended by a zero byte ("EO", "EU", "EF"), or a linked text.
enum class LabelForm { Counted, Terminated };
void ReadLabelBlock(RecordReader& in, LabelForm form);
// The 12-byte count block that closes the label of most entry forms.
void ReadCountBlock(RecordReader& in);
// What the value elements begin with: the tag of the display form, or the label block of the
// entry form, followed by the count block when the kind has one.
void ReadTagOrLabel(RecordReader& in, std::string_view tag, LabelForm form, bool countBlock = true);
// The head of the value elements' main blocks: font index, a style byte named `style`, a zero
// byte and the text position.
void ReadTextHead(RecordReader& in, std::string_view style);

// The numbers: from the font index to the units ("LN" and "NR" after their tag, "EN" and "ER"
// after their label), in the units layout of the plain numbers or of those with ranges.
enum class UnitsLayout { Numeric, Range };
void ReadNumericBody(RecordReader& in, bool entry, UnitsLayout layout);

// The entry field's picker grid and its cells' names, for entry modes 2 to 4.
void ReadKeypadBlocks(RecordReader& in, uint32_t entryMode);

// The trend graphs' frame (12 bytes), button and panel (12) blocks, and the "TR" curve block.
void ReadFrameBlock(RecordReader& in);
void ReadButtonBlock(RecordReader& in);
void ReadPanelBlock(RecordReader& in);
void ReadCurveBlock(RecordReader& in);
// The plot of a trend graph: position, width, height, points shown, X and Y ticks.
void ReadTrendPlot(RecordReader& in);
// A block of one of a trend graph's parts, read by `read` under "part N what".
void ReadTrendPart(RecordReader& in, int part, std::string_view what, void (*read)(RecordReader&));

}  // namespace brisklet
