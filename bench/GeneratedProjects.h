// Project files for the benchmarks: one generated project per size, made on first use in
// /tmp and removed when the program ends, and fresh working copies of it.
#pragma once
#include <cstdint>
#include <string>

#include "ProjectGenerator.h"

namespace brisklet::bench {

struct ProjectSize {
  int32_t displays;
  int32_t elementsPerDisplay;
  GeneratorMix mix = GeneratorMix::Classic;
  int64_t Elements() const { return int64_t{displays} * elementsPerDisplay; }
};

// The untouched generated project of that size and mix (seed 1), every item pending.
const std::string& TemplateProject(ProjectSize size);

// A copy of the template in /tmp to compile, replacing the previous copy.
std::string FreshCopy(ProjectSize size);

}  // namespace brisklet::bench
