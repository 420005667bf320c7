// The rule list of the compilers' messages.
#include "host/MessageRules.h"

#include <cstdio>

namespace brisklet {
namespace {

const RuleText kRules[] = {
#define RULE(constant, number, name, summary, description, help) {number, name, summary, description, help},
#include "host/MessageRules.def"
#undef RULE
};

}  // namespace

std::span<const RuleText> MessageRules() { return kRules; }

std::string RuleId(int32_t number) {
  char id[16];
  std::snprintf(id, sizeof id, "BRK%03d", static_cast<int>(number));
  return id;
}

}  // namespace brisklet
