// The built-in download store: a unit replaces the earlier unit of its GUID and marks the
// item compiled.
#include <gtest/gtest.h>

#include "support/TestProject.h"

namespace brisklet::test {
namespace {

// Each stored unit as "GUID type mode hex".
std::vector<std::string> StoredUnits(TestProject& project) {
  std::vector<std::string> out;
  sqlite3_stmt* stmt = project.Db().Prepared("SELECT UnitGuid, UnitType, Mode, Data FROM DownloadUnits ORDER BY 1");
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    out.push_back(ColumnValue(stmt, 0).SqlText() + " " + ColumnValue(stmt, 1).SqlText() + " " +
                  ColumnValue(stmt, 2).SqlText() + " " + Hex(ColumnValue(stmt, 3).ToBytes()));
  }
  sqlite3_reset(stmt);
  return out;
}

void Store(TestProject& project, int32_t guid, const Bytes& record, int16_t type) {
  auto unit = project.Host().NewDownloadUnit();
  unit->SetMode(1);
  unit->SetUnitGuid(guid);
  unit->SetData(record, 1);
  unit->SetUnitType(type);
}

TEST(DownloadStore, AUnitReplacesTheEarlierUnitOfItsGuidAndMarksItCompiled) {
  TestProject project;
  project.Insert("DownloadDLUs", {{"Guid", 1000}, {"IsCompiled", 0}});
  project.Insert("DownloadDLUs", {{"Guid", 1001}, {"IsCompiled", 0}});
  Store(project, 1000, {0x56, 0x54, 0x01}, 8);
  EXPECT_EQ(StoredUnits(project), (std::vector<std::string>{"1000 8 1 56 54 01"}));
  EXPECT_EQ(project.Column("SELECT IsCompiled FROM DownloadDLUs ORDER BY Guid"), (std::vector<int64_t>{1, 0}));

  project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled=0");
  Store(project, 1000, {0x50, 0x54}, 3);
  Store(project, 1001, {0xff}, 8);
  EXPECT_EQ(StoredUnits(project), (std::vector<std::string>{"1000 3 1 50 54", "1001 8 1 ff"}));
  EXPECT_EQ(project.Column("SELECT IsCompiled FROM DownloadDLUs ORDER BY Guid"), (std::vector<int64_t>{1, 1}));
}

// A unit of a GUID without a bookkeeping row is stored; no row appears for it.
TEST(DownloadStore, AGuidWithoutBookkeepingRowIsStoredUnmarked) {
  TestProject project;
  Store(project, 42, {0x01}, 8);
  EXPECT_EQ(StoredUnits(project), (std::vector<std::string>{"42 8 1 01"}));
  EXPECT_EQ(project.Scalar("SELECT COUNT(*) FROM DownloadDLUs").ToLong(), 0);
}

}  // namespace
}  // namespace brisklet::test
