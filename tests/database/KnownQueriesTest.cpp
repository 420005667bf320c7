// Every SQL text the compiler runs opens on the schema of a new project, so a missing table
// or column shows up long before its element kind is built.
#include <gtest/gtest.h>

#include "database/Recordset.h"
#include "support/KnownQueries.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

class KnownQueryTexts : public ::testing::TestWithParam<KnownQuery> {};

TEST_P(KnownQueryTexts, OpenOnANewProject) {
  TestProject project;
  if (GetParam().recordset) {
    EXPECT_NO_THROW(Recordset(project.Db(), GetParam().sql, 0, 1)) << GetParam().sql;
  } else {
    EXPECT_NO_THROW(project.Db().Prepared(GetParam().sql)) << GetParam().sql;
  }
}

INSTANTIATE_TEST_SUITE_P(Texts, KnownQueryTexts, ::testing::ValuesIn(KnownQueries()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace brisklet::test
