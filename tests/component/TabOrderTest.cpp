// Tab-order normalisation: per display, the tab indexes run on without gaps from the first
// element's value; renumbered elements are marked not compiled; 255 stays out of the order.
#include <gtest/gtest.h>

#include "support/TestAccess.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

struct DisplayTabs {
  std::vector<int64_t> before;  // tab indexes of the display's elements, by element ID
  std::vector<int64_t> after;
  std::vector<int64_t> marked;  // IsCompiled afterwards (all elements start compiled)
};

struct TabCase {
  const char* name;
  std::vector<DisplayTabs> displays;  // displays 1, 2, ... in this order
};

const TabCase kCases[] = {
    {"gaps and a duplicate", {{{3, 7, 7, 9}, {3, 4, 5, 6}, {1, 0, 0, 0}}}},
    {"a run that already has no gaps", {{{2, 3, 4}, {2, 3, 4}, {1, 1, 1}}}},
    {"one element keeps its value", {{{5}, {5}, {1}}}},
    {"a second 5 becomes 6", {{{5, 5}, {5, 6}, {1, 0}}}},
    // Without reading the whole result first, the walk would revisit the rows it moves up
    // the (DisplayID, TabIndex) index and give 6, 25, 26.
    {"three equal indexes", {{{6, 6, 6}, {6, 7, 8}, {1, 0, 0}}}},
    {"255 is neither renumbered nor counted", {{{255, 2, 255, 9, 255}, {255, 2, 255, 3, 255}, {1, 1, 1, 0, 1}}}},
    {"all outside the order", {{{255, 255}, {255, 255}, {1, 1}}}},
    {"each display restarts at its first element",
     {{{3, 7, 7, 9}, {3, 4, 5, 6}, {1, 0, 0, 0}},
      {{10, 10, 255}, {10, 11, 255}, {1, 0, 1}},
      {{1, 2}, {1, 2}, {1, 1}},
      {{8, 1}, {2, 1}, {0, 1}}}},
    {"a first element of 0 keeps it", {{{0, 0, 4}, {0, 1, 2}, {1, 0, 0}}}},
};

TEST(TabOrder, NormalisesEveryDisplay) {
  for (const TabCase& c : kCases) {
    TestProject project;
    ASSERT_EQ(project.Scalar("SELECT sql FROM sqlite_master WHERE name='HMI_ElementsByDisplayTab'").ToString(),
              "CREATE INDEX HMI_ElementsByDisplayTab ON HMI_Elements (DisplayID, TabIndex)")
        << "the walk must be tested over the index it orders by";
    std::vector<std::vector<int32_t>> ids;
    for (const DisplayTabs& d : c.displays) {
      int32_t display = project.AddDisplay({});
      ids.emplace_back();
      for (int64_t tab : d.before)
        ids.back().push_back(project.AddElement({{"DisplayID", display}, {"TabIndex", tab}}));
    }
    project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled=1");
    clsDownloadTestAccess::NormalizeTabOrder(project.Compiler());
    for (size_t i = 0; i < c.displays.size(); ++i) {
      std::vector<int64_t> tabs, marked;
      for (int32_t id : ids[i]) {
        tabs.push_back(project.Scalar("SELECT TabIndex FROM HMI_Elements WHERE ID=" + std::to_string(id)).ToLong());
        marked.push_back(project.IsCompiled(project.GuidOf(id)));
      }
      EXPECT_EQ(tabs, c.displays[i].after) << c.name << ", display " << i + 1;
      EXPECT_EQ(marked, c.displays[i].marked) << c.name << ", display " << i + 1;
    }
    EXPECT_TRUE(project.Messages().calls.empty()) << c.name;
  }
}

}  // namespace
}  // namespace brisklet::test
