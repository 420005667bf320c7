// Statement texts that differ only in the numbers appended to them ("... WHERE HMI_Elements.ID=17")
// share one prepared statement: the numbers are taken out as bound parameters.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brisklet {

struct LiteralParameters {
  std::string text;             // the statement with each number taken out replaced by '?'
  std::vector<int64_t> values;  // the numbers taken out, in order: parameters 1..n
};

// Takes out the integer literals that stand alone right of a comparison (=, ==, <>, !=, <, >,
// <=, >=), with their minus sign ("<> -1"), as in "Pages.Id=5", "(HMIJumps.PageNum) = 5" or
// "TabIndex<>255"; a bound number is the same value as the literal it replaces. Nothing else is
// touched: numbers that do not stand right of a comparison ("TrendID*8", "(TrendID-1)*8+1"),
// numbers in quotes, numbers with a point or letters (5.5, 1e3, 0x1F), and the select list, so
// the column names SQLite reports stay those of the original text. Only SELECT, UPDATE and
// DELETE texts are looked at; one that has parameters of its own, a comment, more than one
// statement, or more than one SELECT (a subquery, whose expressions may name result columns)
// comes back unchanged.
LiteralParameters TakeOutLiterals(std::string_view sql);

}  // namespace brisklet
