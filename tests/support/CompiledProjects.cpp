// The demo and generated projects of the decoding tests.
#include "support/CompiledProjects.h"

#include "textproject/ProjectFolder.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "ProjectGenerator.h"

namespace brisklet::test {

CompiledProject::CompiledProject(const std::string& name, const std::function<void(TestProject&)>& fill)
    : project(TestProject::EmptyFile{TempPath(name)}) {
  fill(project);
  WriteTrace trace;
  project.Compiler().CompileHMI();
  context = ReadDecodeContext(project.Host(), project.Db());
  records = ReadStoredRecords(project.Db());
  for (const StoredRecord& r : records) {
    const WriteTrace::Written* written = trace.Find(r.data);
    writes.push_back(written ? written->writes : std::vector<TracedWrite>{});
  }
}

const StoredRecord* CompiledProject::RecordOf(int32_t elementId) const {
  auto r =
      std::find_if(records.begin(), records.end(), [&](const StoredRecord& s) { return s.elementId == elementId; });
  return r == records.end() ? nullptr : &*r;
}

void AddDemoRows(TestProject& p) {
  ImportResult imported = ImportTextForm(p.Db(), ReadFolder(BRISKLET_DEMO_DIR));
  if (!imported.problems.empty()) throw std::runtime_error(imported.problems.front().Describe());
  p.Db().BeginTransaction();
  p.Db().Execute("DELETE FROM tblFonts");
  p.Db().Execute("DELETE FROM tblFontGlyphs");
  AddTestFont(p, {.number = 1, .lineHeight = 14, .advance = 7});
  AddTestFont(p, {.number = 2, .lineHeight = 23, .advance = 11});
  p.Db().Commit();
}

CompiledProject& Demo() {
  static CompiledProject demo("demo.db", AddDemoRows);
  return demo;
}

CompiledProject& Generated() {
  static CompiledProject generated("generated.db", [](TestProject& p) { GenerateProject(p.Db(), {3, 60, 16}); });
  return generated;
}

}  // namespace brisklet::test
