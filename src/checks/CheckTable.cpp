// The rows of the check table and the texts made from them.
#include "checks/CheckTable.h"

#include <algorithm>

#include "base/RuntimeError.h"
#include "checks/DesignChecks.h"
#include "checks/Queries.h"

namespace brisklet {
namespace {

// The element checks' join: an element with its display and the display's module.
constexpr const char* kElementsOfModules =
    " FROM HMI_Elements INNER JOIN (DispModules INNER JOIN Pages ON DispModules.ModuleId = Pages.ModuleID) ON "
    "HMI_Elements.DisplayID = Pages.Id WHERE ";
// The keys of an element check: by display, in element order, naming the element.
constexpr const char* kElementKeys =
    "HMI_Elements.DisplayID AS KeyPart, HMI_Elements.ID AS KeySort, HMI_Elements.GUID AS KeyGuid";
// The keys of a check of pairs of elements of one display, kept and ordered by display.
constexpr const char* kPairKeys = "HMI1.DisplayID AS KeyPart, HMI1.DisplayID AS KeySort";

using DC = DesignChecks;

}  // namespace

std::span<const CheckRow> CheckTable() {
  static const CheckRow kChecks[] = {
      {CheckId::kFonts,
       {10, "FontNotInstalled", "An element's font is not among the project's fonts.",
        "An element (or its description) uses a font number that the project's fonts do not have; the panel shows "
        "its text in another font.",
        "Add the font to the project (brisklet font add), or choose one it has."},
       CheckStage::kBeforeElements,
       KeptBy::kDisplay,
       "HMI_Elements Pages DispModules tblFonts",
       "DispModules.ModuleName, Pages.Description, Pages.ModuleID,pages.ID, HMI_Elements.Text, "
       "HMI_Elements.FontNumber, HMI_Elements.DescriptionFontNumber",
       kElementsOfModules,
       "(HMI_Elements.FontNumber <> 0)",
       "",
       kElementKeys,
       "HMI_Elements.DisplayID",
       "HMI_Elements.ID",
       nullptr,
       nullptr,
       &DC::prvWalkFonts},
      {CheckId::kGuidClashes,
       {17, "SharedDownloadGuid", "Two or more elements or displays share a download GUID.",
        "Elements and displays are stored in the download by their GUID; items that share one would overwrite each "
        "other, so none of them is compiled.",
        "Give each element and display a GUID of its own."},
       CheckStage::kBeforeElements,
       KeptBy::kGuid,
       "HMI_Elements Pages",
       "",
       kSqlGuidClashes,
       "",
       "",
       "",
       "",
       "",
       kSqlChangedGuidClashes,
       kSqlChangedGuidClashes,
       &DC::prvWalkGuidClashes},
      {CheckId::kTabIndexes,
       {9, "DuplicateTabIndex", "A display has two elements with one tab index.",
        "Two elements of a display have the same tab index, so the panel's tab order between them is not defined.",
        "Give each element of the display its own tab index, or 255 to leave it out of the tab order."},
       CheckStage::kEachDisplay,
       KeptBy::kDisplay,
       "HMI_Elements Pages",
       "",
       "",
       "",
       "",
       "",
       "",
       "",
       nullptr,
       nullptr,
       nullptr},
      {CheckId::k3DSize,
       {2, "TooSmallFor3D", "A 3D-framed element is too small for its frame.",
        "An element with a raised or sunken 3D frame is less than 9 pixels wide or high, too small for the frame.",
        "Make the element at least 9 x 9 pixels, or give it a flat frame."},
       CheckStage::kAfterDisplays,
       KeptBy::kDisplay,
       "HMI_Elements Pages DispModules",
       "DispModules.ModuleName, Pages.Description,Pages.ID, Pages.ModuleID, HMI_Elements.Text",
       kElementsOfModules,
       "(HMI_Elements.Flat3D=3 OR HMI_Elements.Flat3D=1) AND (HMI_Elements.Dx<9 OR HMI_Elements.Dy<9)",
       "",
       kElementKeys,
       "HMI_Elements.DisplayID",
       "HMI_Elements.ID",
       nullptr,
       nullptr,
       &DC::prvWalk3DSize},
      {CheckId::kDuplicateTouch,
       {3, "DuplicateTouchOperand", "Two or more elements of a display share a touch operand.",
        "Elements of one display are touched through the same operand address, so a touch of one cannot be told "
        "from a touch of the other.",
        "Give each touch element of the display its own touch operand."},
       CheckStage::kAfterDisplays,
       KeptBy::kDisplay,
       "HMI_Elements Pages",
       "HMI1.DisplayID, Pages.Description AS Description, Pages.ModuleID as ModuleID, HMI1.TouchOprndAddr AS TouchOPR, "
       "CASE WHEN HMI1.DisplayID = 0 THEN (SELECT COUNT(*) FROM HMI_Elements AS HMI2 WHERE HMI2.DisplayID = 0 And "
       "HMI2.TouchOprndAddr = HMI1.TouchOprndAddr And HMI2.ID > HMI1.ID) ELSE 1 END AS Pairs",
       // One row per element that shares its touch address with a later element of its display,
       // not one per pair (8,000 elements on one address made 32 million rows); the walk meets
       // the same (display, address) pairs in the same order, so the findings are the same. On
       // display 0 ("no finding yet" to the walk) every pair opens a finding: there a row
       // counts its pairs.
       " FROM HMI_Elements AS HMI1 LEFT JOIN Pages ON HMI1.DisplayID=Pages.Id Where ",
       "HMI1.TouchOprndAddr <> -1 And HMI1.TouchOprndAddr <> -2 And EXISTS (SELECT 1 FROM HMI_Elements AS HMI2 WHERE "
       "HMI2.DisplayID = HMI1.DisplayID And HMI2.TouchOprndAddr = HMI1.TouchOprndAddr And HMI2.ID > HMI1.ID)",
       " Order BY HMI1.DisplayID,HMI1.TouchOprndAddr",
       kPairKeys,
       "HMI1.DisplayID",
       "HMI1.DisplayID,HMI1.TouchOprndAddr, HMI1.ID",
       nullptr,
       nullptr,
       &DC::prvWalkDuplicateTouch},
      {CheckId::kTouchAndHide,
       {4, "TouchAndHideOnOneOperand", "An element's touch and hide operands are the same.",
        "An element is touched through the operand that also hides it.",
        "Link the element's touch and hide to different operands."},
       CheckStage::kAfterDisplays,
       KeptBy::kDisplay,
       "HMI_Elements Pages DispModules",
       "DispModules.ModuleName, Pages.Description, Pages.ModuleID, Pages.ID, HMI_Elements.Text, HMI_Elements.Type",
       kElementsOfModules,
       "(HMI_Elements.TouchOprndAddr >= 0) And (HMI_Elements.VisibleOpAddr = HMI_Elements.TouchOprndAddr)",
       "",
       kElementKeys,
       "HMI_Elements.DisplayID",
       "HMI_Elements.ID",
       nullptr,
       nullptr,
       &DC::prvWalkTouchAndHide},
      {CheckId::kTouchVsSwitch,
       {5, "TouchAndSwitchOnOneOperand", "A touch operand of a display is also a switch's operand.",
        "An element of a display is touched through an MB that a switch of the same display also sets.",
        "Give the touch element and the switch different operands."},
       CheckStage::kAfterDisplays,
       KeptBy::kDisplay,
       "HMI_Elements Pages",
       "HMI1.DisplayID, Pages.Description AS Description, Pages.ModuleID as ModuleID, HMI1.VarOprndType, "
       "HMI1.VarOprndAddr, HMI1.TouchOprndAddr AS TouchOPR, HMI2.*",
       "FROM (HMI_Elements AS HMI1 INNER JOIN HMI_Elements AS HMI2 ON (HMI1.TouchOprndAddr=HMI2.VarOprndAddr) AND "
       "(HMI1.ID<>HMI2.ID)) LEFT JOIN Pages ON HMI1.DisplayID=Pages.Id Where ",
       "HMI1.TouchOprndAddr <> -1 And HMI1.TouchOprndAddr <> -2 And HMI2.Type=5 And (HMI2.VarType=2 Or "
       "HMI2.VarType=1) And HMI1.DisplayID = HMI2.DisplayID And HMI2.VarOprndType=1",
       " Order BY HMI1.DisplayID,HMI1.TouchOprndAddr, HMI1.ID",
       kPairKeys,
       "HMI1.DisplayID",
       "HMI1.DisplayID,HMI1.TouchOprndAddr, HMI1.ID, HMI2.ID",
       nullptr,
       nullptr,
       &DC::prvWalkTouchVsSwitch},
      // Kept by name: the rows of each display are kept (CompileVariableRows), and the names
      // that changed are walked over them.
      {CheckId::kDuplicateVarNames,
       {6, "DuplicateVariableName", "Two or more variables have one name.",
        "Two or more variables of one display have the same name.", "Give each variable of a display its own name."},
       CheckStage::kAfterDisplays,
       KeptBy::kName,
       "HMI_Elements Pages",
       "HMI1.DisplayID, Pages.Description AS Description, Pages.ModuleID as ModuleID, HMI1.Text AS VarName",
       " FROM HMI_Elements AS HMI1 LEFT JOIN Pages ON HMI1.DisplayID=Pages.Id Where ",
       "HMI1.Type=5 And EXISTS (SELECT 1 FROM HMI_Elements AS HMI2 WHERE HMI2.DisplayID = HMI1.DisplayID And "
       "HMI2.Text=HMI1.Text And HMI2.Type=5 And HMI2.ID > HMI1.ID)",
       " ORDER BY HMI1.Text, HMI1.DisplayID, HMI1.ID",
       "",
       "HMI1.DisplayID",
       "",
       kSqlChangedDuplicateVarNames,
       kSqlAllDuplicateVarNames,
       &DC::prvWalkDuplicateVarNames},
      {CheckId::kTrendGraphSize,
       {7, "TrendGraphSize", "A trend graph is outside the sizes the panel can show.",
        "A trend graph is smaller than 200 x 140 pixels (the panel shows trend graphs of 200 x 140 to 320 x 240).",
        "Make the trend graph at least 200 x 140 and at most 320 x 240 pixels."},
       CheckStage::kAfterDisplays,
       KeptBy::kDisplay,
       "HMI_Elements Pages DispModules",
       "DispModules.ModuleName, Pages.Description, Pages.ModuleID,pages.ID, HMI_Elements.Text, HMI_Elements.VarType",
       kElementsOfModules,
       "(HMI_Elements.Type=5 AND (HMI_Elements.VarType=23 Or HMI_Elements.VarType=27)) AND (HMI_Elements.Dx<200 OR "
       "HMI_Elements.Dy<140)",
       "",
       kElementKeys,
       "HMI_Elements.DisplayID",
       "HMI_Elements.ID",
       nullptr,
       nullptr,
       &DC::prvWalkTrendGraphSize},
      {CheckId::kTrendsTree,
       {8, "TrendWithoutCurves", "A trend of the trends tree has no curves.",
        "A trend of the project's trends tree has no curve configured, so it has nothing to show.",
        "Configure a curve for the trend, or delete the trend."},
       CheckStage::kAfterDisplays,
       KeptBy::kNothing,
       "Trends Curves",
       "",
       kSqlTrendsTree,
       "",
       "",
       "",
       "",
       "",
       nullptr,
       nullptr,
       &DC::prvWalkTrendsTree},
  };
  return kChecks;
}

const CheckRow& CheckOf(CheckId id) {
  for (const CheckRow& check : CheckTable()) {
    if (check.id == id) return check;
  }
  throw RuntimeError("No such check", "check " + std::to_string(static_cast<int32_t>(id)));
}

namespace {

constexpr const char* kInChangedDisplays = " IN (SELECT DisplayID FROM CompileChangedDisplays)";

// The check's own text with its keys added, over the rows that `filter` adds to its condition.
std::string KeyedText(const CheckRow& c, const std::string& filter) {
  std::string_view from = c.from;
  if (from.starts_with(' ')) from.remove_prefix(1);
  return std::string("SELECT ") + c.columns + ", " + c.keys + " " + std::string(from) + c.condition + filter +
         " ORDER BY " + c.keyOrder;
}

}  // namespace

// The order its walk makes explicit, where it has one, so that no index of the project's can
// change the order in which the check meets its rows.
std::string OwnText(const CheckRow& c) {
  std::string order = *c.keyOrder ? std::string(" ORDER BY ") + c.keyOrder : std::string(c.order);
  return std::string(*c.columns ? "SELECT " : "") + c.columns + c.from + c.condition + order;
}

std::string ChangedRowsText(const CheckRow& c) {
  return c.changedRows ? c.changedRows : KeyedText(c, std::string(" AND ") + c.partition + kInChangedDisplays);
}

std::string AllRowsText(const CheckRow& c) { return c.allRows ? c.allRows : KeyedText(c, ""); }

bool KeysNameElements(const CheckRow& c) { return std::string_view(c.keys).find("KeyGuid") != std::string_view::npos; }

std::vector<RuleText> AllRules() {
  std::vector<RuleText> rules(MessageRules().begin(), MessageRules().end());
  for (const CheckRow& check : CheckTable()) rules.push_back(check.rule);
  std::ranges::sort(rules, {}, &RuleText::number);
  return rules;
}

}  // namespace brisklet
