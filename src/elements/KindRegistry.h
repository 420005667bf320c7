// The element kinds as the header and the kind dispatch read them (the rows of
// base/ElementKinds.def with the columns of this layer) and the look-ups they make in them.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "base/Constants.h"
#include "elements/ElementCompiler.h"
#include "host/properties/ElementProperties.h"

namespace brisklet {

// Header byte 6: how the panel paints the element's background.
enum class BackgroundRule {
  Own,          // its own colour: 0, or 1 when transparent (ColorBack -1 or Flat3D 4)
  Transparent,  // always 1
  Graph,        // 2, or 1 when transparent
  Fixed,        // always 3
};

// Header byte 4: what a touch does beyond the plain touch.
enum class TouchRule {
  Plain,           // 1 when touchable, 2 for an entry
  Colours,         // a touchable box: 8 when its touched colours differ
  EntryMode,       // an entry whose EntryMode is a picker grid (2 to 4): 3
  TextFieldEntry,  // an entry of a text field: 7
  Trend,           // always 5
  TrendScale,      // always 9
  Switch,          // 6 when the button works as a switch
  ButtonSet,       // always 10
  TextField,       // always 7
};

struct KindRow {
  int32_t type;
  int32_t varType;  // kVarNone for the kinds chosen by Type alone
  std::string_view tag;
  std::string_view entryTag;              // "" when the kind has no entry form
  ElementCompiler::KindCompiler compile;  // null: not built yet, no kind bytes
  int32_t downloadType;
  int32_t entryDownloadType;  // 0: the kind has no entry form
  PropertyFields properties;  // the getters of the kind's blob (none for a kind that reads none)
  BackgroundRule background;
  TouchRule touch;
};

std::span<const KindRow> KindTable();
// The kind of an element (VarType counts for Type 5 only); null when there is none.
const KindRow* FindKind(int32_t type, int32_t varType);
// The Type 5 kind of a VarType, whatever the element's Type (the header's background and touch
// rules read VarType alone); null when there is none.
const KindRow* FindVariableKind(int32_t varType);
bool IsKnownType(int32_t type);
// The entry form's tag of the kind whose display form has this tag ("LO" -> "EO"); "" when it
// has no entry form.
std::string_view EntryTagOf(std::string_view displayTag);

}  // namespace brisklet
