// The texts of each kind, as its compiler takes them: a text box's text (elements/TextBox.cpp),
// the items of the text lists and the text button (elements/TextItems.cpp), the label of an
// entry form (elements/LabelBlock.cpp), a number's units (elements/NumericBody.cpp), an entry
// text's two texts (elements/EntryText.cpp) and a trend's curve names (elements/Trend.cpp).
#include "lint/ElementTexts.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <optional>
#include <set>

#include "base/CodePage.h"
#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "elements/EntryTextProperties.h"
#include "elements/KindProperties.h"
#include "elements/NumericProperties.h"
#include "elements/TextListProperties.h"
#include "elements/TrendProperties.h"
#include "lint/ItemRows.h"

namespace brisklet {

namespace {

// The value kinds whose entry form begins with the label block.
constexpr int32_t kLabelKinds[] = {kVarClock,     kVarEntryField,  kVarTimer,        kVarNumeric,       kVarNumericAlt,
                                   kVarTextField, kVarStringEntry, kVarUnicodeEntry, kVarNumericRanges, kVarEntryText};
// The kinds whose texts need their property blob.
constexpr int32_t kBlobKinds[] = {kVarTextButton, kVarTextList,      kVarTextListRange, kVarNumeric,
                                  kVarNumericAlt, kVarNumericRanges, kVarEntryText,     kVarTrend};

bool IsOneOf(int32_t v, const auto& list) {
  for (int32_t k : list) {
    if (k == v) return true;
  }
  return false;
}

bool IsBox(int32_t type) { return type == kTypeTextBox || type == kTypeTextButton || type == kTypeFrame; }

// The blob loaded into `p`; false when the compile could not load it, or `wanted` leaves it.
bool Loaded(const Recordset& row, ElementProperties& p, const BlobsWanted& wanted = {}) {
  try {
    Bytes blob = row.Field("Binary").ToBytes("Binary");
    if (!wanted.Wants(blob)) return false;
    p.LoadFromBinary(blob);
    return true;
  } catch (const RuntimeError&) {
    return false;
  }
}

// A linked text of a text source (linked units, an entry text's texts) when it is the text table's.
void AddSource(ElementTexts& out, std::string place, const UnitsSource& source) {
  if (source.GetSourceOperandType() == kTextTableOperand) out.linked.push_back({place, source.GetSourceOperandAddr()});
}

// A number's units: its fixed text, or the linked text of its source.
void AddUnits(ElementTexts& out, const NumericProperties& p) {
  if (p.IsUnitsLinked() == 0) {
    out.texts.push_back({"units", p.GetUnitsText()});
  } else {
    AddSource(out, "units", p.GetUnitsSource());
  }
}

// The items of a text list or the text button: each is sent as its text, or, in a linked
// element (IsLinked -1), as the text of its operand; the frame fitting takes every item's text.
void AddItems(ElementTexts& out, const std::vector<TextItemProperties>& items, int32_t count, int32_t isLinked) {
  for (int32_t i = 1; i <= count; ++i) {
    TextItemProperties item = Indexed(items, i);
    std::string place = "item " + std::to_string(i);
    out.texts.push_back({place, item.ItemText()});
    if (isLinked == -1 && item.ItemOperandType() == kTextTableOperand) {
      out.linked.push_back({place, item.ItemOperandAddress()});
    }
  }
}

// Whether the element compiles to its entry form, which begins with the label block: an entry
// text always; the others touched for entry (TouchOprndAddr -2), but not an entry field whose
// entry mode (2 to 4) picks its keys instead.
bool HasLabel(const Recordset& row, int32_t varType) {
  if (varType == kVarEntryText) return true;
  if (WholeOf(row.Field("TouchOprndAddr")) != -2) return false;
  if (varType != kVarEntryField) return true;
  EntryFieldProperties p;
  if (!Loaded(row, p)) return false;
  int32_t mode = p.EntryMode();
  return mode < 2 || mode > 4;
}

void AddLabel(ElementTexts& out, const Recordset& row) {
  std::optional<int32_t> storage = WholeOf(row.Field("StorageText"));
  if (!storage) return;
  if (*storage == 0) {
    out.texts.push_back({"label", TextOf(row.Field("ElementName"))});
    return;
  }
  std::optional<int32_t> type = WholeOf(row.Field("StrStorageOprndType"));
  std::optional<int32_t> address = WholeOf(row.Field("StrStorageOprndAddr"));
  if (type == kTextTableOperand && address) out.linked.push_back({"label", *address});
}

void AddBlobTexts(ElementTexts& out, const Recordset& row, int32_t varType, const std::set<int32_t>& namedCurves,
                  const BlobsWanted& wanted) {
  if (varType == kVarTextList || varType == kVarTextListRange) {
    TextListProperties p;
    if (Loaded(row, p, wanted) && p.ItemCount() >= 0) AddItems(out, p.ItemAt(), p.ItemCount(), p.IsLinked());
  } else if (varType == kVarTextButton) {
    ButtonProperties p;
    if (Loaded(row, p, wanted)) AddItems(out, p.ItemAt(), 2, p.IsLinked());
  } else if (varType == kVarNumeric || varType == kVarNumericAlt) {
    NumericProperties p;
    if (Loaded(row, p, wanted)) AddUnits(out, p);
  } else if (varType == kVarNumericRanges) {
    RangeNumericProperties p;
    if (Loaded(row, p, wanted)) AddUnits(out, p);
  } else if (varType == kVarEntryText) {
    EntryTextProperties p;
    if (!Loaded(row, p, wanted)) return;
    if (p.GetCodeFlag() == 0) {
      if (p.IsText1Linked() == 0) {
        out.texts.push_back({"text 1", p.GetText1()});
      } else {
        AddSource(out, "text 1", p.GetText1Source());
      }
    }
    if (p.IsText2Linked() == 0) {
      out.texts.push_back({"text 2", p.GetText2()});
    } else {
      AddSource(out, "text 2", p.GetText2Source());
    }
  } else if (varType == kVarTrend) {
    TrendProperties p;
    if (!Loaded(row, p, wanted)) return;
    std::vector<CurveProperties> curves = p.GetCurves();
    for (size_t i = 0; i < curves.size(); ++i) {
      if (!namedCurves.contains(curves[i].GetCurveId())) continue;
      out.texts.push_back({"curve " + std::to_string(i + 1) + " name", curves[i].GetCurveName()});
    }
  }
}

}  // namespace

namespace {

std::string Codes(std::set<int32_t> codes) {
  std::string list;
  for (int32_t c : codes) list += (list.empty() ? "" : ", ") + std::to_string(c);
  return list;
}

}  // namespace

std::string TextElementsQuery(bool linkedOnly, const std::string& downloaded) {
  std::set<int32_t> varTypes(std::begin(kLabelKinds), std::end(kLabelKinds));
  varTypes.insert(std::begin(kBlobKinds), std::end(kBlobKinds));
  std::string variable = "HMI_Elements.Type = " + std::to_string(kTypeVariable) + " AND HMI_Elements.VarType IN ";
  return std::string("SELECT ") + kElementPlace +
         ", HMI_Elements.Type AS Type, HMI_Elements.VarType AS VarType, HMI_Elements.VarOprndType AS VarOprndType, "
         "HMI_Elements.VarOprndAddr AS VarOprndAddr, HMI_Elements.TouchOprndAddr AS TouchOprndAddr, "
         "HMI_Elements.StorageText AS StorageText, HMI_Elements.StrStorageOprndType AS StrStorageOprndType, "
         "HMI_Elements.StrStorageOprndAddr AS StrStorageOprndAddr, CASE WHEN " +
         variable + "(" + Codes({std::begin(kBlobKinds), std::end(kBlobKinds)}) + ", " +
         std::to_string(kVarEntryField) + ") THEN HMI_Elements.Binary END AS Binary" + kElementsOnDisplays + " WHERE " +
         downloaded + " AND (HMI_Elements.Type IN (" + Codes({kTypeTextBox, kTypeTextButton, kTypeFrame}) + ")" +
         (linkedOnly ? " AND HMI_Elements.VarOprndType = 0 AND HMI_Elements.VarOprndAddr > -1" : "") + " OR " +
         variable + "(" + Codes(varTypes) + ")) ORDER BY HMI_Elements.ID";
}

void ForEachTextElement(Connection& db, bool linkedOnly, const std::string& downloaded,
                        const std::function<void(const Recordset&)>& each, int pageRows) {
  const std::string sql =
      TextElementsQuery(linkedOnly, downloaded + " AND HMI_Elements.ID > ?") + " LIMIT " + std::to_string(pageRows);
  Value after(std::numeric_limits<int64_t>::min());  // an ID is a row ID: always a whole number
  for (int rows = pageRows; rows == pageRows;) {
    Recordset page(db, sql, {after}, 0, 1);
    for (rows = 0; !page.Eof(); page.MoveNext(), ++rows) {
      each(page);
      after = page.Field("ElementID");
    }
  }
}

void InDisplayOrder(LintFindings& found, size_t from) {
  std::stable_sort(found.begin() + static_cast<std::ptrdiff_t>(from), found.end(),
                   [](const LintFinding& a, const LintFinding& b) {
                     return std::pair(a.displayId, a.element.id) < std::pair(b.displayId, b.element.id);
                   });
}

std::set<int32_t> NamedCurves(Connection& db) {
  std::set<int32_t> named;
  Recordset curves(db, "SELECT CurveID, StorageOprndType, StorageOprndAddress FROM Curves", 0, 1);
  for (; !curves.Eof(); curves.MoveNext()) {
    std::optional<int32_t> id = WholeOf(curves.Field("CurveID"));
    std::optional<int32_t> address = WholeOf(curves.Field("StorageOprndAddress"));
    if (id && WholeOf(curves.Field("StorageOprndType")) == 0 && address && *address < 0) named.insert(*id);
  }
  return named;
}

bool BlobsWanted::Wants(const Bytes& blob) const {
  std::string_view text(reinterpret_cast<const char*>(blob.data()), blob.size());
  bool escaped = text.find('\\') != std::string_view::npos;  // a key or text spelt with escapes
  if (linking && !escaped && text.find("Linked") == std::string_view::npos) return false;
  if (beyondAscii && !escaped &&
      std::all_of(blob.begin(), blob.end(), [](uint8_t b) { return b >= 0x20 && b < 0x7F; })) {
    return false;
  }
  return true;
}

bool HoldsPrintableAscii(int32_t codePage) {
  std::string printable;
  for (char c = 0x20; c < 0x7F; ++c) printable += c;
  return CodePageFaults(printable, codePage).empty();
}

ElementTexts TextsOf(const Recordset& row, const std::set<int32_t>& namedCurves, const BlobsWanted& wanted) {
  ElementTexts out;
  std::optional<int32_t> type = WholeOf(row.Field("Type"));
  if (!type) return out;
  if (IsBox(*type)) {
    // The text is sent unless the box is linked; the frame fitting takes it either way.
    out.texts.push_back({"text", TextOf(row.Field("ElementName"))});
    std::optional<int32_t> oprndType = WholeOf(row.Field("VarOprndType"));
    std::optional<int32_t> address = WholeOf(row.Field("VarOprndAddr"));
    if (oprndType == kTextTableOperand && address && *address > -1) out.linked.push_back({"text", *address});
    return out;
  }
  std::optional<int32_t> varType = WholeOf(row.Field("VarType"));
  if (*type != kTypeVariable || !varType) return out;
  if (IsOneOf(*varType, kLabelKinds) && HasLabel(row, *varType)) AddLabel(out, row);
  if (IsOneOf(*varType, kBlobKinds)) AddBlobTexts(out, row, *varType, namedCurves, wanted);
  return out;
}

}  // namespace brisklet
