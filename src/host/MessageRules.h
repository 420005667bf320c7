// The rules of the compilers' messages as named numbers, and the text that describes a rule.
#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace brisklet {

#define RULE(constant, number, ...) inline constexpr int32_t constant = number;
#include "host/MessageRules.def"
#undef RULE

// What a rule is: its name, a one-line summary, a description and what to do about it.
struct RuleText {
  int32_t number = 0;
  const char* name = "";
  const char* summary = "";
  const char* description = "";
  const char* help = "";
};

// The rules of host/MessageRules.def, in its order.
std::span<const RuleText> MessageRules();
// "BRK002" for rule 2.
std::string RuleId(int32_t number);

}  // namespace brisklet
