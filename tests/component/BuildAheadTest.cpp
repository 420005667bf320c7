// The builder thread of the element walk: what it builds comes in the walk's order, its failure
// ends the building, and the walk may stop at any point without waiting for the rest. The
// rows and pictures read ahead give what each element's own queries give.
#include <gtest/gtest.h>

#include <atomic>

#include "component/BuildAhead.h"
#include "support/RandomEdits.h"
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

// The picture rows of static pictures (index, CRC, transparency), in the order they are stored,
// in the table as made or rebuilt by another program without its key.
struct PictureRows {
  const char* name;
  std::vector<std::vector<std::tuple<Value, Value, Value>>> elements;
  bool keyless = false;
};

const PictureRows kPictureRows[] = {
    {"IndexZeroAmongOthers",
     {{{0, 0x1111, 0}}, {}, {{1, 0x2222, 0}}, {{2, 0x3333, 2}, {0, 0x4444, 2}, {1, 0x5555, 0}}}},
    {"IndexThatIsNoNumber", {{{0, 0x1111, 2}}, {{"first", 0x2222, 0}, {0, 0x3333, 0}}}},
    {"NullCrcFailsItsElement", {{{0, 0x1111, 0}}, {{0, Value(), 0}}, {{0, 0x2222, 0}}}},
    {"AnIndexTwiceWithoutTheKey", {{{0, 0x1111, 0}, {0, 0x2222, 2}}, {{0, 0x3333, 0}}}, true},
};

// A compile with the rows and pictures read ahead gives what a copy compiled with each element's
// own queries gives.
void ExpectWhatOwnQueriesGive(TestProject& ahead) {
  TestProject own(TestProject::CopyOf{ahead, TempPath("own-queries.db")});
  own.Compiler().SetReadAhead(false);
  std::vector<std::string> outcome = Compile(ahead, false), expected = Compile(own, false);
  EXPECT_EQ(outcome, expected) << Differences(outcome, expected);
}

class ReadAhead : public ::testing::TestWithParam<PictureRows> {};

TEST_P(ReadAhead, PicturesGiveWhatEachElementsOwnQueriesGive) {
  TestProject ahead;
  ahead.AddModule("Main");
  int32_t display = ahead.AddDisplay({{"ModuleID", 1}});
  if (GetParam().keyless) {
    ahead.Db().Execute("DROP TABLE ElementsAndImages");
    ahead.Db().Execute("CREATE TABLE ElementsAndImages (Element_ID, Image_Index, Image_CRC, TransparencyLevel)");
    // Indexes that hand an element's own CRC and transparency queries a twice-used index's rows
    // in opposite orders, so that those queries answer from different rows.
    ahead.Db().Execute("CREATE INDEX ImagesByCrc ON ElementsAndImages (Element_ID, Image_Index, Image_CRC DESC)");
    ahead.Db().Execute("CREATE INDEX ImagesByTransparency ON ElementsAndImages (Element_ID, Image_Index, "
                       "TransparencyLevel)");
  }
  for (const auto& rows : GetParam().elements) {
    int32_t id = ahead.AddElement({{"DisplayID", display}, {"Type", 3}, {"Dx", 10}, {"Dy", 10}});
    for (const auto& [index, crc, transparency] : rows) {
      ahead.Insert("ElementsAndImages",
                   {{"Element_ID", id}, {"Image_Index", index}, {"Image_CRC", crc}, {"TransparencyLevel", transparency}});
    }
  }
  ExpectWhatOwnQueriesGive(ahead);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReadAhead, ::testing::ValuesIn(kPictureRows),
                         [](const auto& info) { return std::string(info.param.name); });

// A table rebuilt without its key may hold a fractional ID among consecutive ones, which a batch
// read as a range of IDs takes in: 1.5, read first, rounds to 2.
TEST(ReadAheadRows, AFractionalIdAmongConsecutiveOnesIsNotTakenForAnElement) {
  TestProject ahead;
  ahead.AddModule("Main");
  int32_t display = ahead.AddDisplay({{"ModuleID", 1}});
  for (int i = 0; i < 3; ++i) ahead.AddElement({{"DisplayID", display}, {"Type", 1}, {"Dx", 10 + i}, {"Dy", 10}});
  ahead.Db().Execute("CREATE TABLE Keyless AS SELECT * FROM HMI_Elements");
  ahead.Db().Execute("DROP TABLE HMI_Elements");
  ahead.Db().Execute("ALTER TABLE Keyless RENAME TO HMI_Elements");
  ahead.Db().Execute("INSERT INTO HMI_Elements (rowid, ID, GUID, DisplayID, Type, Dx, Dy) SELECT -1, 1.5, 999, "
                     "DisplayID, 1, 50, 50 FROM HMI_Elements WHERE ID = 2");
  ExpectWhatOwnQueriesGive(ahead);
}

}  // namespace
}  // namespace brisklet::test
