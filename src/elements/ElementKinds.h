// Element kind codes of HMI_Elements and the codes the element header uses.
#pragma once
#include <cstdint>

namespace brisklet {

// HMI_Elements.Type
enum ElementType : int32_t {
  kTypeRectangle = 1,     // "RC"
  kTypeLine = 2,          // "LI"
  kTypePicture = 3,       // "PS"
  kTypeTextBox = 4,       // "LS"
  kTypeVariable = 5,      // kind given by VarType
  kTypeEllipse = 6,       // "EL"
  kTypeRoundRect = 7,     // "RR"
  kTypeHidden = 8,        // never listed on its display
  kTypeTextButton = 11,   // "BT"
  kTypeFrame = 12,        // "FR"
};

// HMI_Elements.VarType of Type 5 elements that the header treats specially.
enum VariableKind : int32_t {
  kVarPictureButton = 1,
  kVarTextButton = 2,
  kVarEntryField = 6,
  kVarTextField = 15,
  kVarTrend = 23,
  kVarTrendScale = 27,
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

// Download unit types.
constexpr int16_t kUnitElement = 8;
constexpr int16_t kUnitDisplay = 3;
constexpr int32_t kPageTableGuid = 7;

}  // namespace brisklet
