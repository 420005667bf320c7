// The builder thread of the element walk: what it builds comes in the walk's order, its failure
// ends the building, and the walk may stop at any point without waiting for the rest.
#include <gtest/gtest.h>

#include <atomic>

#include "component/BuildAhead.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

struct BuildCase {
  const char* name;
  size_t count, failAt, taken;  // failAt == count: no failure; taken: how many the walk takes
};

class Builder : public ::testing::TestWithParam<BuildCase> {};

TEST_P(Builder, HandsOverInOrderAndStopsAtAFailureOrWhenTheWalkStops) {
  const BuildCase& c = GetParam();
  TestProject project;
  std::atomic<size_t> built = 0;
  std::vector<int32_t> ids;
  {
    BuildAhead ahead(
        c.count,
        [&](size_t at) {
          ++built;
          if (at == c.failAt) throw RuntimeError("Overflow");
          BuiltElement element;
          element.id = static_cast<int32_t>(at);
          return element;
        },
        project.Host());
    for (size_t at = 0; at < c.taken; ++at) {
      BuiltElement element = ahead.Next();
      EXPECT_TRUE(element.elsewhere);
      if (element.failure) {
        EXPECT_EQ(at, c.failAt);
        break;
      }
      ids.push_back(element.id);
      ahead.Spent(std::move(element));
    }
  }  // the builder is stopped and joined here, however far it got
  size_t good = std::min(c.taken, c.failAt);
  ASSERT_EQ(ids.size(), good);
  for (size_t i = 0; i < good; ++i) EXPECT_EQ(ids[i], static_cast<int32_t>(i));
  EXPECT_LE(built.load(), std::min(c.count, c.failAt + 1));
  EXPECT_LE(built.load(), c.taken + BuildAhead::kAhead + 1);  // never far ahead of the walk
}

INSTANTIATE_TEST_SUITE_P(Cases, Builder,
                         ::testing::Values(BuildCase{"Whole", 1000, 1000, 1000},
                                           BuildCase{"FailureHalfWay", 1000, 500, 1000},
                                           BuildCase{"FailureFirst", 1000, 0, 1000},
                                           BuildCase{"WalkStopsEarly", 100000, 100000, 10},
                                           BuildCase{"WalkTakesNothing", 1000, 1000, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brisklet::test
