// The names of the decoded fields that others read by name (the preview), as the decoders give
// them. A field's full name is its parts' names and its own joined by blanks: Name({kHeader,
// kNormal, kColour}) is "\"VT\" normal colour".
#pragma once
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brisklet::field {

// The parts of the records: the element header, the display record, the kind bytes by tag.
inline constexpr std::string_view kHeader = "\"VT\"";
inline constexpr std::string_view kDisplay = "\"PT\"";
std::string KindPart(std::string_view tag);

// Every record part begins with its tag.
inline constexpr std::string_view kTag = "tag";

// The header: its background mode, the normal-state geometry block, the touched fore colour.
inline constexpr std::string_view kBackground = "background";
inline constexpr std::string_view kNormal = "normal";
inline constexpr std::string_view kTouchedForeColour = "touched fore colour";

// Geometry and box blocks.
inline constexpr std::string_view kWidth = "width";
inline constexpr std::string_view kHeight = "height";
inline constexpr std::string_view kPosition = "position";
inline constexpr std::string_view kColour = "colour";
inline constexpr std::string_view kBorderWidth = "border width";
inline constexpr std::string_view k3DFlag = "3D flag";

// The shapes: a rectangle's edges, a line's block and its ends, the box of an ellipse or a
// rounded box.
inline constexpr std::string_view kPenWidth = "pen width";
inline constexpr std::array<std::string_view, 4> kEdges = {"top edge", "right edge", "bottom edge", "left edge"};
inline constexpr std::string_view kLine = "line";
inline constexpr std::string_view kStart = "start";
inline constexpr std::string_view kEnd = "end";
inline constexpr std::string_view kBox = "box";

// Image placement blocks, and the parts that hold them.
inline constexpr std::string_view kImage = "image";
inline constexpr std::string_view kTransparent = "transparent";
inline constexpr std::string_view kKeyColour1 = "key colour 1";
inline constexpr std::string_view kKeyColour2 = "key colour 2";
inline constexpr std::string_view kImageCrc = "image CRC";
inline constexpr std::string_view kPicture = "picture";
inline constexpr std::string_view kItem = "item";

// The meter's needle.
inline constexpr std::string_view kCentreX = "centre x";
inline constexpr std::string_view kCentreY = "centre y";
inline constexpr std::string_view kFirstAngle = "first angle";
inline constexpr std::string_view kNeedleReach = "needle reach";
inline constexpr std::string_view kNeedleWidth = "needle width";

// The trend graphs' plot (its position, width and height) and ticks.
inline constexpr std::string_view kPlot = "plot";
inline constexpr std::string_view kXTicks = "X ticks";
inline constexpr std::string_view kYTicks = "Y ticks";

// The numbers' body.
inline constexpr std::string_view kFont = "font";
inline constexpr std::string_view kTextPosition = "text position";
inline constexpr std::string_view kDigitsBefore = "digits before the point";
inline constexpr std::string_view kDigitsAfter = "digits after the point";
inline constexpr std::string_view kFlags = "flags";
inline constexpr std::string_view kUnits = "units";

// The value elements: the entry forms' label, the timer's format code, the clock's setting,
// the text field's length, the entry field's mode and picker grid (its cells and their names).
inline constexpr std::string_view kLabel = "label";
inline constexpr std::string_view kFormatCode = "format code";
inline constexpr std::string_view kSetting = "setting";
inline constexpr std::string_view kFieldLength = "field length";
inline constexpr std::string_view kEntryMode = "entry mode";
inline constexpr std::string_view kGrid = "grid";
inline constexpr std::string_view kCellWidth = "cell width";
inline constexpr std::string_view kCellHeight = "cell height";
inline constexpr std::string_view kFirstCell = "first cell";
inline constexpr std::string_view kNames = "names";
inline constexpr std::string_view kCell = "cell";
inline constexpr std::string_view kName = "name";

// The graphs: the meter's sweep, a trend's curves (their names and where they begin), its
// parts' buttons and their labels.
inline constexpr std::string_view kSecondAngle = "second angle";
inline constexpr std::string_view kReversed = "reversed";
inline constexpr std::string_view kCurve = "curve";
inline constexpr std::string_view kNameX = "name x";
inline constexpr std::string_view kPart = "part";
inline constexpr std::string_view kButton = "button";
inline constexpr std::string_view kFrame = "frame";
inline constexpr std::string_view kPanel = "panel";
inline constexpr std::string_view kLabelColour = "label colour";
inline constexpr std::string_view kLabelPosition = "label position";

// Text blocks: the static block's part and its lines, the linked block's fields.
inline constexpr std::string_view kText = "text";
inline constexpr std::string_view kAlignment = "alignment";
inline constexpr std::string_view kAnchor = "anchor";
inline constexpr std::string_view kTextAddress = "text address";
inline constexpr std::string_view kEntryAnchors = "entry anchors";
// "<block> operand": the text operand a linked block's text comes from ("\"ER\" units text
// operand" beside the block "\"ER\" units text"); a block without it names a text-table text.
inline constexpr std::string_view kOperand = "operand";

// Faces: blocks of width, height, position, colour and these (the header's normal state, a
// list's items, a framed picture's frame, a point list's area); an image block's number.
// (kBorderWidth and kFrame are above, with the value kinds' fields.)
inline constexpr std::string_view kCompanionColour = "companion colour";
inline constexpr std::string_view k3dFlag = "3D flag";
inline constexpr std::string_view kArea = "area";
inline constexpr std::string_view kImageNumber = "image number";

// Point lists ("point N", pixel offsets) and cell layouts ("inner" box, "cell N" with its
// position and a tail whose first two 16-bit words are its width and height).
inline constexpr std::string_view kPoint = "point";
inline constexpr std::string_view kInner = "inner";
inline constexpr std::string_view kTail = "tail";

// The display record's background.
inline constexpr std::string_view kBackgroundColour = "background colour";
inline constexpr std::string_view kBackgroundImage = "background image";

// The words joined by blanks; Prefix adds the blank before a field of the block they name.
std::string Name(std::initializer_list<std::string_view> words);
std::string Prefix(std::initializer_list<std::string_view> words);
// A counted part ("item 2").
std::string Counted(std::string_view word, size_t count);

}  // namespace brisklet::field
