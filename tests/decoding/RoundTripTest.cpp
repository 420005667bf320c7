// Reading compiled records back: every record of the demo project and of a generated project
// decodes to its last byte, and its fields lie where the byte writer wrote them, under the
// names the writer's labels give them (the kind fixture checks every record it compiles too).
#include <gtest/gtest.h>

#include "support/CompiledProjects.h"
#include "support/LayoutAgreement.h"

namespace brisklet::test {
namespace {

void ExpectEveryRecordReadAsWritten(CompiledProject& p) {
  ASSERT_FALSE(p.records.empty());
  for (size_t i = 0; i < p.records.size(); ++i) {
    ExpectLayoutsAgree(p.records[i].label, p.records[i].data, p.writes[i], p.context);
  }
  WriteTrace trace;
  Bytes table = p.project.Compiler().GetConvertionPageNumToPointerTable().front()->Data();
  ExpectLayoutsAgree("page table", table, trace.Find(table)->writes, p.context);
}

TEST(RoundTrip, EveryRecordOfTheDemoProjectIsReadAsWritten) { ExpectEveryRecordReadAsWritten(Demo()); }

TEST(RoundTrip, EveryRecordOfAGeneratedProjectIsReadAsWritten) { ExpectEveryRecordReadAsWritten(Generated()); }

}  // namespace
}  // namespace brisklet::test
