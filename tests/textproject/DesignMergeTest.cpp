// The three-way design merge over one small project: each case edits the base on two sides and
// either merges to the base with both sides' edits or names each conflict.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/KindFixture.h"
#include "textproject/DesignMerge.h"
#include "textproject/DesignRows.h"

namespace brisklet::test {
namespace {

// A value put into a row: `column` "" deletes the row; "Binary/GetTextObject/Font" sets a
// property of the element's blob (a JSON pointer after the column). A missing row is added.
struct Edit {
  const char* table;
  Value key;
  std::string column;
  Value value;
};

DesignModel Edited(DesignModel model, const std::vector<Edit>& edits) {
  for (const Edit& e : edits) {
    DesignTable& table = model.Table(e.table);
    if (e.column.empty()) {
      table.rows.erase({e.key});
      continue;
    }
    auto [it, added] = table.rows.try_emplace({e.key}, table.DefaultRow());
    Row& row = it->second;
    if (added) row[table.keyColumns[0]] = e.key;
    size_t slash = e.column.find('/');
    Value& cell = row[table.ColumnIndex(e.column.substr(0, slash))];
    if (slash == std::string::npos) {
      cell = e.value;
      continue;
    }
    Json blob = Json::parse(cell.ToString());
    blob[Json::json_pointer(e.column.substr(slash))] =
        e.value.IsText() ? Json(e.value.ToString()) : Json(e.value.ToLong());
    cell = Value(blob.dump());
  }
  return model;
}

struct MergeCase {
  const char* name;
  std::vector<Edit> ours, theirs;
  std::vector<std::string> conflicts;  // none: the merge is the base with both sides' edits
};
void PrintTo(const MergeCase& c, std::ostream* os) { *os << c.name; }

const std::string kStart = R"(display 1 "Home" / element 10 "Start": )";

const MergeCase kCases[] = {
    {"DifferentElements", {{"HMI_Elements", 10, "Xs", 30}}, {{"HMI_Elements", 11, "Ys", 40}}, {}},
    {"DifferentProperties",
     {{"HMI_Elements", 10, "Binary/IsSwitch", 1}, {"HMI_Elements", 10, "Binary/GetRange/1/Color", 7}},
     {{"HMI_Elements", 10, "Binary/GetTextObject/Font", 3}, {"HMI_Elements", 10, "Xs", 30}},
     {}},
    {"SameChangeOnBothSides",
     {{"HMI_Elements", 10, "Binary/GetTextObject/Font", 2}, {"HMI_Elements", 11, "", {}}},
     {{"HMI_Elements", 10, "Binary/GetTextObject/Font", 2}, {"HMI_Elements", 11, "", {}}},
     {}},
    {"DeletedAndUnchanged", {{"HMI_Elements", 11, "", {}}}, {{"HMI_Elements", 10, "Dx", 50}}, {}},
    {"AddedOnEachSide",
     {{"HMI_Elements", 12, "DisplayID", 1}, {"DispModules", 2, "ModuleName", "Spare"}},
     {{"HMI_Elements", 13, "DisplayID", 1}, {"ProjectSettings", "ScreenHeight", "Value", 240}},
     {}},
    {"SamePropertyDifferently",
     {{"HMI_Elements", 10, "Binary/GetTextObject/Font", 2}, {"HMI_Elements", 10, "Binary/GetRange/0/Color", 5}},
     {{"HMI_Elements", 10, "Binary/GetTextObject/Font", 3}, {"HMI_Elements", 10, "Binary/GetRange/1/Color", 6}},
     {kStart + R"(property GetRange: base [{"Color":1},{"Color":2}], ours [{"Color":5},{"Color":2}], theirs )"
               R"([{"Color":1},{"Color":6}])",
      kStart + "property GetTextObject.Font: base 1, ours 2, theirs 3"}},
    {"DeletedAndChanged",
     {{"HMI_Elements", 11, "", {}}, {"DispModules", 1, "ModuleName", "Left"}},
     {{"HMI_Elements", 11, "Ys", 40}, {"HMI_Elements", 11, "Text", "Halt"}, {"DispModules", 1, "", {}}},
     {"module 1: changed in ours (ModuleName), deleted in theirs",
      R"(display 1 "Home" / element 11 "Halt": deleted in ours, changed in theirs (Text, Ys))"}},
    {"ColumnsDifferently",
     {{"HMI_Elements", 12, "Xs", 5}, {"ProjectSettings", "ScreenWidth", "Value", 480}},
     {{"HMI_Elements", 12, "Xs", 6}, {"ProjectSettings", "ScreenWidth", "Value", "480"}},
     {"setting ScreenWidth: column Value: base 320, ours 480, theirs \"480\"",
      "element 12: column Xs: base absent, ours 5, theirs 6"}},
};

class DesignMergeTest : public ::testing::TestWithParam<MergeCase> {
 protected:
  DesignMergeTest() {
    project.AddModule("Main");
    int32_t home = project.AddDisplay({{"ModuleID", 1}, {"Description", "Home"}});
    Json blob = Json::parse(
        R"({"IsSwitch": 0, "GetTextObject": {"Font": 1, "Align": 0}, "GetRange": [{"Color": 1}, {"Color": 2}]})");
    project.AddElement({{"ID", 10}, {"DisplayID", home}, {"Text", "Start"}, {"Binary", blob.dump()}});
    project.AddElement({{"ID", 11}, {"DisplayID", home}, {"Text", "Stop"}, {"Binary", "{}"}});
    project.SetSetting("ScreenWidth", 320);
  }
  TestProject project;
};

TEST_P(DesignMergeTest, MergesOrNamesEachConflict) {
  const MergeCase& c = GetParam();
  DesignModel base = ReadDesign(project.Db());
  DesignModel ours = Edited(base, c.ours), theirs = Edited(base, c.theirs);
  DesignMerge merge = MergeDesigns(base, ours, theirs);
  std::vector<std::string> conflicts;
  for (const MergeConflict& conflict : merge.conflicts) conflicts.push_back(conflict.Text());
  EXPECT_EQ(conflicts, c.conflicts);
  EXPECT_TRUE(merge.merged == (c.conflicts.empty() ? Edited(ours, c.theirs) : ours));  // ours where they conflict
  if (c.conflicts.empty()) {
    EXPECT_TRUE(MergeDesigns(base, theirs, ours).merged == merge.merged);  // sides swapped
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, DesignMergeTest, ::testing::ValuesIn(kCases), ByName());

}  // namespace
}  // namespace brisklet::test
