// Random edits of a project made with plain SQL as any program would make them, the same
// statements for each copy, and a compile's outcome as lines: the differential tests of the
// incremental compile and of our own kept checks run on them.
#pragma once
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "support/TestProject.h"

namespace brisklet::test {

// What a compile (incremental, or by reference) left behind and said, as lines; a failure's
// text goes to `failure`.
std::vector<std::string> Compile(TestProject& p, bool reference, std::string* failure = nullptr);
// The lines only one outcome has (the first few), or where their order differs.
std::string Differences(const std::vector<std::string>& a, const std::vector<std::string>& b);
// What a compile of every item of a copy of the project, with nothing stored, gives.
std::vector<std::string> CompileFromScratch(TestProject& p);

// Random edits of a project, the same statements for each copy.
class Editor {
 public:
  Editor(uint64_t seed, std::vector<TestProject*> copies) : mRandom(seed), mCopies(std::move(copies)) {}

  // Rows that make every compile fail part-way made ordinary again (after a failed run the next
  // one that completes must restore what a compile from scratch gives).
  void Repair(int64_t display = 0) {
    if (display == 0) display = Pick("SELECT Id FROM Pages");
    Run("UPDATE HMI_Elements SET DisplayID = ? WHERE DisplayID IS NULL OR DisplayID = 0", {display});
    Run("UPDATE HMI_Elements SET Text = 'Repaired' WHERE Text IS NULL", {});
    Run("UPDATE HMI_Elements SET DisplayID = ? WHERE DisplayID NOT IN (SELECT Id FROM Pages)", {display});
    Run("UPDATE HMI_Elements SET Binary = (SELECT Binary FROM HMI_Elements AS Other WHERE Other.Type = "
        "HMI_Elements.Type AND Other.VarType = HMI_Elements.VarType AND Other.Binary <> ? LIMIT 1) WHERE "
        "Binary = ?",
        {Bytes{0x7B, 0x22}, Bytes{0x7B, 0x22}});
    Run("INSERT OR IGNORE INTO tblFonts (id, FontNumber, LineHeight) VALUES (1, 1, 12)", {});
  }

  // False when the project must be compiled before it can take another edit.
  bool RandomEdit();

 private:
  int64_t Below(int64_t n) { return std::uniform_int_distribution<int64_t>(0, n - 1)(mRandom); }
  int64_t OneOf(std::vector<int64_t> values) { return values[Below(static_cast<int64_t>(values.size()))]; }
  int64_t Pick(const std::string& sql) {
    std::vector<int64_t> values = mCopies[0]->Column(sql);
    return values.empty() ? 0 : values[Below(static_cast<int64_t>(values.size()))];
  }
  int64_t Max(const std::string& column, const std::string& table) {
    return mCopies[0]->Scalar("SELECT COALESCE(MAX(" + column + "), 0) FROM " + table).ToLong();
  }
  // The rename form of a table rebuild: the old table renamed away, a new one made as it was,
  // the rows copied, the old table dropped (its triggers and indexes go with it).
  void RebuildTable(const std::string& table) {
    for (TestProject* copy : mCopies) {
      std::string sql =
          copy->Scalar("SELECT sql FROM sqlite_master WHERE type = 'table' AND name = '" + table + "'").ToString();
      copy->Db().Execute("ALTER TABLE " + table + " RENAME TO " + table + "_old");
      copy->Db().Execute(sql);
      copy->Db().Execute("INSERT INTO " + table + " SELECT * FROM " + table + "_old");
      copy->Db().Execute("DROP TABLE " + table + "_old");
      // Other programs' edits keep working.
      copy->Db().Execute("UPDATE DispModules SET ModuleName = ModuleName");
    }
  }
  void Run(const std::string& sql, const std::vector<Value>& params) {
    mLog.push_back(sql);
    for (TestProject* copy : mCopies) copy->Db().Execute(sql, params);
  }
  std::mt19937_64 mRandom;
  std::vector<TestProject*> mCopies;

 public:
  std::vector<std::string> mLog;  // the statements run, for a failure to show the last ones
  std::string LastEdits() const {
    std::string text = "\nlast edits:";
    for (size_t i = mLog.size() > 4 ? mLog.size() - 4 : 0; i < mLog.size(); ++i) text += "\n  " + mLog[i];
    return text;
  }
};

}  // namespace brisklet::test
