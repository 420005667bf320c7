// Compiled projects whose records the decoding tests read back: the demo project of examples/
// and a generated one, each made once per test run.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "base/WriteTrace.h"
#include "decoding/DecodeContext.h"
#include "decoding/StoredRecords.h"
#include "support/TestProject.h"

namespace brisklet::test {

// A project filled by `fill` and compiled, the context its records are decoded in, and what
// the byte writers wrote of each record (no writes when none wrote it whole).
struct CompiledProject {
  CompiledProject(const std::string& name, const std::function<void(TestProject&)>& fill);
  // The stored record of an element, or null.
  const StoredRecord* RecordOf(int32_t elementId) const;
  TestProject project;
  DecodeContext context;
  std::vector<StoredRecord> records;
  std::vector<std::vector<TracedWrite>> writes;
};

// The demo project of examples/, with fonts 1 and 2 of fixed widths in place of the DejaVu
// Sans sizes its script installs.
CompiledProject& Demo();
// Its rows, put into a project.
void AddDemoRows(TestProject& p);
// Three displays of 60 elements of the generator's mix.
CompiledProject& Generated();

}  // namespace brisklet::test
