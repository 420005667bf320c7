// The texts our own checks read from the design against what the compile does with them: the
// linked texts of the text table against the decoded records, the characters outside the
// code page against the compile's run-time error.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

#include "base/RuntimeError.h"
#include "decoding/FieldNames.h"
#include "decoding/RecordDecoder.h"
#include "lint/ElementTexts.h"
#include "lint/ItemRows.h"
#include "lint/LintRules.h"
#include "support/CompiledProjects.h"
#include "support/KindFixture.h"

namespace brisklet::test {
namespace {

using Pairs = std::set<std::pair<int32_t, int64_t>>;  // (element, text-table index)

// The linked texts of the text table in the records: a linked block ("<block> text address")
// without "<block> operand" that repeats its anchor for the table's entries (a text box or an
// item linked to a variable has no operand block, and no entry anchors either).
Pairs DecodedPairs(const CompiledProject& p) {
  Pairs pairs;
  for (const StoredRecord& r : p.records) {
    if (r.elementId == 0) continue;
    DecodedRecord decoded = DecodeRecord(r.data, p.context);
    for (const DecodedField& f : decoded.fields) {
      if (!f.name.ends_with(field::kTextAddress)) continue;
      std::string prefix = f.name.substr(0, f.name.size() - field::kTextAddress.size());
      if (decoded.Find(prefix + std::string(field::kOperand)) ||
          !decoded.Find(prefix + std::string(field::kEntryAnchors))) {
        continue;
      }
      pairs.insert({r.elementId, std::stoll(f.value)});
    }
  }
  return pairs;
}

// The pairs the check reads from the design: every one is a finding in a copy of the project
// without its text table (elements without a record left out: the compile stopped at them).
Pairs CheckedPairs(CompiledProject& p, const std::string& copy) {
  TestProject empty(TestProject::CopyOf{p.project, TempPath(copy)});
  empty.Db().Execute("DELETE FROM ProjectTexts");
  LintFindings found;
  CheckTextTableEntries(ContextOf(empty.Db(), empty.Host()), found);
  Pairs pairs;
  for (const LintFinding& f : found) {
    if (!p.RecordOf(f.element.id)) continue;
    size_t at = f.message.find("text-table entry ") + 17;
    pairs.insert({f.element.id, std::stoll(f.message.substr(at))});
  }
  return pairs;
}

// Every place a linked text comes from, of the text table and (beside it) of a text operand.
void AddLinkedTexts(TestProject& p) {
  p.AddModule("Main", 1);
  p.AddDisplay({{"ModuleID", 1}, {"Description", "Linked"}});
  AddTestFont(p, {.number = 1});
  p.Insert("ProjectTexts", {{"TextIndex", 0}, {"Text", "T"}});  // the linked blocks repeat their anchors for it
  Columns frame = {{"DisplayID", 1}, {"Type", 5}, {"FontNumber", 1}, {"Xs", 10}, {"Ys", 20}, {"Dx", 60}, {"Dy", 20}};
  auto add = [&](Columns columns, const std::string& blob = "{}") {
    p.AddElement(With(With(frame, {{"Binary", blob}}), columns));
  };
  add({{"Type", 4}, {"VarOprndAddr", 5}});
  add({{"Type", 4}, {"VarOprndType", 3}, {"VarOprndAddr", 6}});
  add({{"Type", 11}, {"VarOprndAddr", 7}});
  std::string items = R"("ItemAt": [{"ItemOperandAddress": 8}, {"ItemOperandType": 3, "ItemOperandAddress": 9}]})";
  add({{"VarType", 3}}, R"({"IsLinked": -1, "ItemCount": 2, )" + items);
  add({{"VarType", 11}}, R"({"IsLinked": -1, "ItemCount": 2, )" + items);
  add({{"VarType", 3}}, R"({"ItemCount": 2, )" + items);
  add({{"VarType", 2}}, R"({"IsLinked": -1, )" + items);
  Columns label = {{"TouchOprndAddr", -2}, {"StorageText", 1}, {"StrStorageOprndAddr", 13}};
  std::string units = R"({"IsUnitsLinked": -1, "GetUnitsSource": {"GetSourceOperandAddr": 14}})";
  add(With({{"VarType", 8}}, label), units);
  add(With({{"VarType", 29}}, label), units);
  add({{"VarType", 8}, {"TouchOprndAddr", -2}, {"StorageText", 1}, {"StrStorageOprndType", 3}}, units);
  add(With({{"VarType", 15}}, label));
  add(With({{"VarType", 5}}, label));
  add(With({{"VarType", 7}}, label));
  add(With({{"VarType", 16}}, label));
  add(With({{"VarType", 6}}, label), R"({"EntryMode": 1})");
  add(With({{"VarType", 6}, {"Dx", 200}, {"Dy", 40}}, label), R"({"EntryMode": 2})");  // its keys, no label
  add({{"VarType", 30}, {"StorageText", 1}, {"StrStorageOprndAddr", 15}},
      R"({"IsText1Linked": -1, "GetText1Source": {"GetSourceOperandAddr": 16}, "IsText2Linked": -1,
          "GetText2Source": {"GetSourceOperandType": 3, "GetSourceOperandAddr": 17}})");
}

TEST(TextTableEntries, TheCheckReadsTheLinkedTextsTheRecordsHold) {
  CompiledProject linked("linked-texts.db", AddLinkedTexts);
  CompiledProject demo("demo-texts.db", [](TestProject& p) {
    AddDemoRows(p);
    p.Insert("ProjectTexts", {{"TextIndex", 999}, {"Text", "T"}});
  });
  struct Compiled {
    CompiledProject* project;
    size_t least;  // linked texts of the table in its records
    const char* copy;
  };
  for (const Compiled& c : {Compiled{&linked, 15, "linked-copy.db"}, Compiled{&demo, 1, "demo-copy.db"},
                            Compiled{&Generated(), 2, "generated-copy.db"}}) {
    SCOPED_TRACE(c.copy);
    Pairs decoded = DecodedPairs(*c.project);
    EXPECT_GE(decoded.size(), c.least);
    EXPECT_EQ(CheckedPairs(*c.project, c.copy), decoded);
  }
}

// The checks read the text elements a page at a time: every page size visits the rows the
// whole query holds, in its order.
TEST(TextElementPages, VisitTheWholeQuery) {
  Connection& db = Generated().project.Db();
  for (bool linkedOnly : {false, true}) {
    std::vector<int64_t> whole, paged;
    for (Recordset rs(db, TextElementsQuery(linkedOnly, kDownloaded), 0, 1); !rs.Eof(); rs.MoveNext()) {
      whole.push_back(*rs.Field("ElementID").IntegerPtr());
    }
    ASSERT_GT(whole.size(), 3u);
    for (int page : {1, 2, 3, static_cast<int>(whole.size()), 4096}) {
      paged.clear();
      ForEachTextElement(
          db, linkedOnly, kDownloaded,
          [&](const Recordset& rs) { paged.push_back(*rs.Field("ElementID").IntegerPtr()); }, page);
      EXPECT_EQ(paged, whole) << "page of " << page << (linkedOnly ? ", linked only" : "");
    }
  }
}

// An element whose text the compile converts: its run-time error names the first fault the
// check finds (a position for "Invalid text", the character for "Overflow"); an element the
// compile converts without error has no finding.
class CodePageCharacters : public ValueProject {};

TEST_F(CodePageCharacters, TheFirstFindingIsTheCompilesError) {
  Json items = Json::parse(R"({"ItemCount": 2, "ItemAt": [{"ItemText": "On"}, {"ItemText": "O\u0001\u03a9"}]})");
  Json linked = items;
  linked["IsLinked"] = -1;
  struct Case {
    const char* name;
    Columns columns;
    bool fails;
  };
  const Case cases[] = {
      {"a text box", {{"Type", 4}, {"Text", "Motor \u03a9"}}, true},
      {"a linked text box's text, which the fitting takes",
       {{"Type", 4}, {"Text", "\u03a9"}, {"VarOprndAddr", 1}},
       true},
      {"a control character after the character", {{"Type", 12}, {"Text", "A\u03a9\u0007"}}, true},
      {"a text list item", {{"VarType", 3}, {"Binary", items.dump()}}, true},
      {"a linked text list's item", {{"VarType", 11}, {"Binary", linked.dump()}}, true},
      {"a text button's second item", {{"VarType", 2}, {"Binary", Json{{"ItemAt", items["ItemAt"]}}.dump()}}, true},
      {"fixed units", {{"VarType", 8}, {"Binary", R"({"GetUnitsText": "k\u03a9"})"}}, true},
      {"an entry form's label", {{"VarType", 8}, {"Text", "\u03a9"}, {"TouchOprndAddr", -2}}, true},
      {"a display form's label, never sent", {{"VarType", 8}, {"Text", "\u03a9"}}, false},
      {"an entry text's second text", {{"VarType", 30}, {"Binary", R"({"GetText2": "\u03a9"})"}}, true},
      {"a rectangle's name", {{"Type", 1}, {"Text", "\u03a9"}}, false},
  };
  std::vector<int32_t> ids;
  for (const Case& c : cases) ids.push_back(Add(c.columns));
  LintFindings found;
  CheckCodePageCharacters(ContextOf(project.Db(), project.Host()), found);
  for (size_t i = 0; i < ids.size(); ++i) {
    SCOPED_TRACE(cases[i].name);
    RuntimeError e = test::ErrorOf([&] { project.Compiler().ElementRecord(ids[i]); });
    auto first = std::find_if(found.begin(), found.end(), [&](const LintFinding& f) { return f.element.id == ids[i]; });
    if (!cases[i].fails) {
      EXPECT_EQ(e.Text(), "no error");
      EXPECT_EQ(first, found.end());
      continue;
    }
    ASSERT_TRUE(first != found.end()) << "no finding";
    const std::string& d = e.Detail();
    std::string named = e.Text() == "Invalid text" ? "at position " + d.substr(10, d.find(' ', 10) - 10) + " "
                                                   : "character " + d.substr(10, d.find(')') + 1 - 10) + " at";
    EXPECT_NE(first->message.find(named), std::string::npos) << e.Describe() << "\n" << first->message;
  }
}

}  // namespace
}  // namespace brisklet::test
