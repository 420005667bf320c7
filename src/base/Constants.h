// The codes the project database and the download records share: element types and
// variable kinds, touch kinds, frame styles, text modes, severities and unit types.
// Constants only; the facts of each element kind are in elements/ElementKinds.def.
#pragma once
#include <cstdint>

namespace brisklet {

// HMI_Elements.Type
enum ElementType : int32_t {
  kTypeRectangle = 1,    // "RC"
  kTypeLine = 2,         // "LI"
  kTypePicture = 3,      // "PS"
  kTypeTextBox = 4,      // "LS"
  kTypeVariable = 5,     // kind given by VarType
  kTypeEllipse = 6,      // "EL"
  kTypeRoundRect = 7,    // "RR"
  kTypeHidden = 8,       // never listed on its display
  kTypeTextButton = 11,  // "BT"
  kTypeFrame = 12,       // "FR"
};

// HMI_Elements.VarType of Type 5 elements (10, 14, 17, 18 and 26 have no kind).
enum VariableKind : int32_t {
  kVarNone = 0,
  kVarPictureButton = 1,   // "PB"
  kVarTextButton = 2,      // "LB"
  kVarTextList = 3,        // "LL"
  kVarPictureList = 4,     // "PL"
  kVarClock = 5,           // "LC", entry form "EC"
  kVarEntryField = 6,      // "EF"
  kVarTimer = 7,           // "LT", entry form "ET"
  kVarNumeric = 8,         // "LN", entry form "EN"
  kVarBarGraph = 9,        // "BG"
  kVarTextListRange = 11,  // "LR"
  kVarPictureRange = 12,   // "PR"
  kVarNumericAlt = 13,     // "LN" / "EN", download type 25
  kVarTextField = 15,      // "LA"
  kVarStringEntry = 16,    // "EO"
  kVarUnicodeEntry = 19,   // "EU"
  kVarPictureMember = 20,  // "PM"
  kVarMeter = 21,          // "MG"
  kVarFramedPicture = 22,  // "TG"
  kVarTrend = 23,          // "TR"
  kVarCellLayout = 24,     // "LG"
  kVarPointList = 25,      // "TM"
  kVarTrendScale = 27,     // "TS"
  kVarButtonSet = 28,      // "BS"
  kVarNumericRanges = 29,  // "NR", entry form "ER"
  kVarEntryText = 30,      // "EP"
};

// Touch kinds (byte 4 of the element header).
enum TouchKind : int32_t {
  kTouchNone = 0,
  kTouchPlain = 1,
  kTouchEntry = 2,
  kTouchEntryMode = 3,
  kTouchTrend = 5,
  kTouchSwitch = 6,
  kTouchTextField = 7,
  kTouchColours = 8,
  kTouchTrendScale = 9,
  kTouchButtonSet = 10,
};

// Frame styles (HMI_Elements.Flat3D).
enum FrameStyle : int32_t {
  kFrameNone = 0,
  kFrame3DRaised = 1,
  kFrameFlat = 2,
  kFrame3DSunken = 3,
  kFrameTransparent = 4,
};

// Text modes of the text boxes: where the shown text comes from.
enum TextMode : uint8_t {
  kTextNone = 0,      // no text
  kTextConstant = 1,  // the element's own text
  kTextAddress = 2,   // a text of the text table, by address
  kTextVariable = 3,  // a text chosen by a variable
};

// A linked text names its text by operand type and address; operand type 0 is an index
// into the project's text table.
constexpr int32_t kTextTableOperand = 0;

// Windows character set of the Hebrew fonts, whose texts are sent in display order; the
// font-name service classifies a text that needs no reordering as kTextNeedsNoReordering.
constexpr int32_t kCharsetHebrew = 177;
constexpr int32_t kTextNeedsNoReordering = 2;

// Severities of reported messages.
enum Severity : int32_t {
  kSeverityError = 0,
  kSeverityWarning = 1,
};

// The diagnostic of an element whose frame is too small for its text: the element's text, then this.
inline constexpr const char* kTooSmallToFitText =
    " is too small to fit text inside. Please resize it to solve the problem.";

// Download unit types, and the GUID of the page conversion table.
constexpr int16_t kUnitElement = 8;
constexpr int16_t kUnitDisplay = 3;
constexpr int32_t kPageTableGuid = 7;

}  // namespace brisklet
