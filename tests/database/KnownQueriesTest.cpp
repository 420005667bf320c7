// Every SQL text the compiler runs opens on the schema of a new project, so a missing
// table or column shows up long before its element kind is built.
#include <gtest/gtest.h>

#include "database/Recordset.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {

struct KnownQuery {
  const char* name;
  const char* sql;
};

const KnownQuery kKnownQueries[] = {
#include "KnownQueries.inc"
};

class KnownQueries : public ::testing::TestWithParam<KnownQuery> {};

TEST_P(KnownQueries, OpenOnANewProject) {
  TestProject project;
  EXPECT_NO_THROW(Recordset(project.Db(), GetParam().sql, 0, 1)) << GetParam().sql;
}

INSTANTIATE_TEST_SUITE_P(AllTexts, KnownQueries, ::testing::ValuesIn(kKnownQueries), [](const auto& info) {
  return std::string(info.param.name) + "_" + std::to_string(info.index);
});

}  // namespace
}  // namespace brisklet::test
