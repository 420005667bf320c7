// The codes the project database and the download records share: element types and
// variable kinds, touch kinds, frame styles, text modes, severities and unit types.
// Constants only; the facts of each element kind are in base/ElementKinds.def.
#pragma once
#include <cstdint>

namespace brisklet {

// HMI_Elements.Type
enum ElementType : int32_t {
  kTypeRectangle = 1,
  kTypeLine = 2,
  kTypePicture = 3,
  kTypeTextBox = 4,
  kTypeVariable = 5,  // kind given by VarType
  kTypeEllipse = 6,
  kTypeRoundRect = 7,
  kTypeHidden = 8,  // never listed on its display
  kTypeTextButton = 11,
  kTypeFrame = 12,
};

// HMI_Elements.VarType of Type 5 elements (the kind each chooses: base/ElementKinds.def).
enum VariableKind : int32_t {
  kVarNone = 0,
  kVarPictureButton = 1,
  kVarTextButton = 2,
  kVarTextList = 3,
  kVarPictureList = 4,
  kVarClock = 5,
  kVarEntryField = 6,
  kVarTimer = 7,
  kVarNumeric = 8,
  kVarBarGraph = 9,
  kVarTextListRange = 11,
  kVarPictureRange = 12,
  kVarNumericAlt = 13,
  kVarTextField = 15,
  kVarStringEntry = 16,
  kVarUnicodeEntry = 19,
  kVarPictureMember = 20,
  kVarMeter = 21,
  kVarFramedPicture = 22,
  kVarTrend = 23,
  kVarCellLayout = 24,
  kVarPointList = 25,
  kVarTrendScale = 27,
  kVarButtonSet = 28,
  kVarNumericRanges = 29,
  kVarEntryText = 30,
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
