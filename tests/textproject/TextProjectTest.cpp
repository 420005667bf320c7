// The text form against the database it comes from: a project written as text and read back
// holds the same design rows, compiles to the same units with the same findings, and writes
// the same files again; on the demo, generated projects and projects after random edits of
// every design table. Then the mistakes an import reports, and a folder kept up to date file
// by file against a whole import of the same files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>

#include "ProjectGenerator.h"
#include "support/CompiledProjects.h"
#include "support/TestProject.h"
#include "textproject/DesignRows.h"
#include "textproject/PictureFiles.h"
#include "textproject/ProjectFolder.h"
#include "textproject/TextForm.h"

namespace brisklet::test {
namespace {

namespace fs = std::filesystem;

// Property blobs as the text form stores them (compact JSON, keys sorted), so that models read
// from a project written by hand and from its text compare equal.
DesignModel Canonical(DesignModel design) {
  DesignTable& elements = design.Table("HMI_Elements");
  size_t binary = elements.ColumnIndex("Binary");
  for (auto& [key, row] : elements.rows) {
    if (const std::string* text = row[binary].TextPtr()) {
      auto json = nlohmann::json::parse(*text, nullptr, false);
      if (json.is_object()) row[binary] = Value(json.dump());
    }
  }
  return design;
}

std::string FirstDifference(const DesignModel& a, const DesignModel& b) {
  for (size_t t = 0; t < a.Tables().size(); ++t) {
    const DesignTable& x = a.Tables()[t];
    const DesignTable& y = b.Tables()[t];
    for (const auto& [key, row] : x.rows) {
      auto other = y.rows.find(key);
      if (other == y.rows.end()) return x.name + " row " + key[0].SqlText() + " is lost";
      for (size_t c = 0; c < row.size(); ++c) {
        if (!(row[c] == other->second[c])) {
          return x.name + " row " + key[0].SqlText() + " " + x.columns[c] + ": " + row[c].SqlText() + " became " +
                 other->second[c].SqlText();
        }
      }
    }
    if (x.rows.size() != y.rows.size()) return x.name + " gains rows";
  }
  return "";
}

// What a compile of every item stores and reports.
std::vector<std::string> CompiledOutcome(TestProject& p) {
  std::string failure;
  try {
    p.CompileAsHost();
  } catch (const std::exception& e) {
    failure = e.what();
  }
  std::vector<std::string> out = p.Texts("SELECT UnitGuid, UnitType, hex(Data) FROM DownloadUnits ORDER BY UnitGuid");
  out.insert(out.end(), p.Messages().findings.begin(), p.Messages().findings.end());
  out.push_back("failure " + failure);
  return out;
}

// Random edits of the design tables that the text form must carry: values of every type in
// every column (texts with quotes, line breaks and non-UTF-8 bytes, Nulls, blobs, property blobs
// nested and broken), rows copied and deleted, elements left without their display.
class DesignEditor {
 public:
  explicit DesignEditor(uint64_t seed) : mRandom(seed) {}

  void Edit(Connection& db) {
    const DesignModel tables = DesignModel::Empty();
    const DesignTable& table = tables.Tables()[Below(tables.Tables().size())];
    auto rowid = db.QueryValue("SELECT rowid FROM " + table.name + " ORDER BY random() LIMIT 1");
    if (!rowid) return;
    const std::string& column = table.columns[Below(table.columns.size())];
    bool key = table.ColumnIndex(column) == table.keyColumns[0] || column == "GUID" || column == "Name";
    switch (Below(6)) {
      case 0: db.Execute("DELETE FROM " + table.name + " WHERE rowid=?", {*rowid}); break;
      case 1:
        if (!key) db.Execute("UPDATE " + table.name + " SET " + column + "=? WHERE rowid=?", {AnyValue(column), *rowid});
        break;
      case 2:
        if (table.name == "HMI_Elements") {
          db.Execute("UPDATE HMI_Elements SET Binary=? WHERE rowid=?", {AnyProperties(), *rowid});
        }
        break;
      case 3:
        if (table.name == "HMI_Elements") db.Execute("UPDATE HMI_Elements SET DisplayID=9999 WHERE rowid=?", {*rowid});
        break;
      default:
        if (!key) db.Execute("UPDATE " + table.name + " SET " + column + "=? WHERE rowid=?", {Number(), *rowid});
    }
  }

 private:
  size_t Below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(mRandom); }
  Value Number() { return Value(static_cast<int64_t>(Below(70000)) - 300); }

  Value AnyValue(const std::string& column) {
    switch (Below(6)) {
      case 0: return {};
      case 1: return Value(std::string("Quote \" back\\slash\nline\ttab \x01 ünï"));
      case 2: return Value(std::string("bad \xff\xfe bytes"));
      case 3: return Value(Bytes{0, 1, 2, 0xff});
      case 4: return column == "Binary" ? AnyProperties() : Value(2.5);
      default: return Number();
    }
  }

  Value AnyProperties() {
    static const std::vector<std::string> blobs = {
        R"({"IsSwitch":true})",
        R"({"GetRangeCount":1,"GetRange":[{"GetLimit1Type":34,"GetRangeColor":9}],"GetUnitsSource":{"GetSourceText":"°C"}})",
        R"({"GetPartRect":[{},{},{"h":100,"x":10}],"GetCellValue1":-9007199254740993,"key with space":"v"})",
        R"({"GetPointCoordinates":{"X":[10,20],"Y":[]},"nested":[[1,2],[3]],"e":{}})",
        R"({"fraction": 1.5, "null": null})",
        "{\"", "[1,2]", "{}"};
    return Value(blobs[Below(blobs.size())]);
  }

  std::mt19937_64 mRandom;
};

struct RoundTripCase {
  const char* name;
  std::function<void(TestProject&)> fill;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }

class RoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTrip, GivesTheSameRowsUnitsFindingsAndFiles) {
  TestProject original(TestProject::EmptyFile{TempPath("text-original.db")});
  GetParam().fill(original);
  DesignModel design = ReadDesign(original.Db());
  ProjectFiles files = WriteTextForm(design);

  TestProject imported(TestProject::EmptyFile{TempPath("text-imported.db")});
  ImportResult result = ImportTextForm(imported.Db(), files);
  for (const TextProblem& problem : result.problems) ADD_FAILURE() << problem.Describe();
  ASSERT_TRUE(result.problems.empty());
  DesignModel back = ReadDesign(imported.Db());
  EXPECT_EQ(FirstDifference(Canonical(design), back), "");
  EXPECT_EQ(FirstDifference(back, Canonical(design)), "");
  EXPECT_EQ(WriteTextForm(back), files);
  std::vector<std::string> was = CompiledOutcome(original), is = CompiledOutcome(imported);
  auto [a, b] = std::mismatch(was.begin(), was.end(), is.begin(), is.end());
  EXPECT_TRUE(a == was.end() && b == is.end()) << "compiled from the database: " << (a == was.end() ? "-" : *a)
                                               << "\ncompiled from its text:    " << (b == is.end() ? "-" : *b);
}

void Generated(TestProject& p, uint64_t seed) { GenerateProject(p.Db(), {3, 40, seed}); }

void Edited(TestProject& p, uint64_t seed) {
  AddDemoRows(p);
  DesignEditor editor(seed);
  for (int i = 0; i < 60; ++i) editor.Edit(p.Db());
  // The text form refuses what only a broken project holds: two items of one GUID.
  p.Db().Execute("UPDATE HMI_Elements SET GUID = 100000 + ID");
  p.Db().Execute("UPDATE Pages SET GUID = 1 + Id WHERE GUID < 100000");
  p.Db().Execute("DELETE FROM DownloadDLUs");
  p.Db().Execute("INSERT INTO DownloadDLUs (Guid) SELECT GUID FROM HMI_Elements UNION SELECT GUID FROM Pages");
}

INSTANTIATE_TEST_SUITE_P(
    Projects, RoundTrip,
    ::testing::Values(RoundTripCase{"Demo", AddDemoRows}, RoundTripCase{"Seed1", [](TestProject& p) { Generated(p, 1); }},
                      RoundTripCase{"Seed2", [](TestProject& p) { Generated(p, 2); }},
                      RoundTripCase{"Seed3", [](TestProject& p) { Generated(p, 3); }},
                      RoundTripCase{"Edits1", [](TestProject& p) { Edited(p, 1); }},
                      RoundTripCase{"Edits2", [](TestProject& p) { Edited(p, 2); }},
                      RoundTripCase{"Edits3", [](TestProject& p) { Edited(p, 3); }}),
    [](const auto& info) { return std::string(info.param.name); });

// Appends lines to a file of the form; the line number of the first.
int Append(ProjectFiles& files, const std::string& path, const std::string& lines) {
  std::string& text = files[path];
  int line = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  text += lines;
  return line;
}

TEST(TextImport, ReportsEveryMistakeWithItsFileAndLineAndImportsNothing) {
  TestProject demo(TestProject::EmptyFile{TempPath("text-mistakes.db")});
  AddDemoRows(demo);
  ProjectFiles files = WriteTextForm(ReadDesign(demo.Db()));
  std::vector<std::string> expected;
  auto expect = [&expected](const std::string& path, int line, int column, const std::string& message) {
    expected.push_back(path + ":" + std::to_string(line) + ":" + std::to_string(column) + ": error: " + message);
  };
  const std::string home = "displays/home.toml", alarms = "displays/alarms.toml", extra = "displays/zz.toml";
  int at = Append(files, home, "\n[[element]]\nID = 5000\nGUID = 5000\n\n[[element]]\nID = 5002\nBogus = 1\n"
                               "Xs = \"ten\"\nDy = 99999999999\nText = { real = 2.5 }\nYs = { real = nan }\n");
  expect(home, at + 7, 1, "unknown key 'Bogus' in element");
  expect(home, at + 8, 6, "Xs is a string, expected a whole number");
  expect(home, at + 9, 6, "Dy = 99999999999 is out of range (a 32-bit number)");
  expect(home, at + 10, 8, "Text is a fraction, expected a string");  // a text column keeps no number
  expect(home, at + 11, 6, "Ys: nan is not a value a column holds (write { null = true })");
  at = Append(files, alarms, "\n[[element]]\nID = 5001\nGUID = 5000\nproperties.Scale = 1.5\n");
  expect(alarms, at + 1, 1, "duplicate GUID 5000 (first at " + home + ":");
  expect(alarms, at + 4, 1, "property 'Scale': a property takes a whole number, true or false, a string, a table");
  files[extra] = "[display]\nId = 900\n\n[[element]]\nID = 7000\n\n[[element]]\nID = 7000\n";
  expect(extra, 7, 1, "duplicate element 7000 (first at displays/zz.toml:4:1)");
  files["displays/lost.toml"] = "[[element]]\nID = 6000\n";
  expect("displays/lost.toml", 1, 1, "the elements of a display that does not exist: the file has no [display] table");
  files["project.toml"].replace(files["project.toml"].find("format = 1"), 10, "format = 2");
  expect("project.toml", 3, 10, "format 2 is out of range: this brisklet reads format 1");
  files.erase("images/1.png");
  expect("images.toml", 6, 12, "the file 'images/1.png' of Data8bpp is missing");
  files["texts.toml"] += "[[text]\n";
  expect("texts.toml", 2, 8, "");

  ImportResult result = ImportTextForm(demo.Db(), files);
  std::vector<std::string> found;
  for (const TextProblem& problem : result.problems) found.push_back(problem.Describe());
  ASSERT_GE(found.size(), expected.size()) << ::testing::PrintToString(found);
  for (const std::string& line : expected) {
    bool seen = std::any_of(found.begin(), found.end(), [&line](const std::string& f) { return f.rfind(line, 0) == 0; });
    EXPECT_TRUE(seen) << line << "\nnot among:\n" << ::testing::PrintToString(found);
  }
  EXPECT_EQ(result.rowsChanged, 0u);
}

// A PNG put into images/ by a person becomes a 16-bit picture numbered after the others, with
// its CRC computed; named in images.toml with 8 bits, it takes the panel's colours.
TEST(TextImport, APngPlacedInImagesBecomesAPicture) {
  TestProject demo(TestProject::EmptyFile{TempPath("text-png.db")});
  AddDemoRows(demo);
  ProjectFiles files = WriteTextForm(ReadDesign(demo.Db()));
  Picture drawn{16, 3, Bytes{0x1F, 0xF8, 0xE0, 0x07, 0x00, 0x00, 0xFF, 0xFF, 0x1F, 0x00, 0x00, 0xF8}};
  files["images/logo.png"] = PngOfPicture(drawn);
  files["images/eight.png"] = PngOfPicture({8, 2, Bytes{1, 2, 3, 4}});
  files[kImagesFile] += "\n[[image]]\nImageID = 7\nCRC = 77\nBits = 8\nData8bpp = \"images/eight.png\"\n";
  TextRead read = ReadTextForm(files);
  ASSERT_TRUE(read.problems.empty()) << read.problems.front().Describe();
  ASSERT_EQ(read.notices.size(), 1u);
  EXPECT_EQ(read.notices[0], "images/logo.png: a new picture, image 8 with CRC " + std::to_string(PictureCrc(drawn.pixels)) +
                                 " (16 bits)");
  const DesignTable& images = read.design.Table("ProjectImages");
  const Row& logo = images.rows.at({Value(8)});
  EXPECT_EQ(logo, (Row{Value(8), Value(PictureCrc(drawn.pixels)), Value(16), Value(PackPixels(drawn.pixels)), Value(3)}));
  const Row& eight = images.rows.at({Value(7)});
  EXPECT_EQ(eight[images.ColumnIndex("Data8bpp")], Value(PackPixels(Bytes{1, 2, 3, 4})));
  EXPECT_EQ(eight[images.ColumnIndex("Width")], Value());  // as wide as the pixels' own square
}

// A text project folder kept up to date file by file, against a whole import of the same files.
class FolderStore : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(mFolder);
    TestProject source(TestProject::EmptyFile{TempPath("text-source.db")});
    GenerateProject(source.Db(), {4, 30, 7});
    WriteFolder(mFolder, WriteTextForm(ReadDesign(source.Db())));
    ASSERT_TRUE(SyncTextProject(mFolder).whole);
  }
  void TearDown() override { fs::remove_all(mFolder); }

  std::string& File(const std::string& path) {
    if (!mFiles.count(path)) mFiles = ReadFolder(mFolder);
    return mFiles[path];
  }
  void Save(const std::string& path) {
    std::ofstream(fs::path(mFolder) / path, std::ios::trunc) << mFiles[path];
    mFiles.clear();
  }
  // The store after a sync, and the design a whole import of the folder gives.
  void ExpectStoreIsTheFolder() {
    auto store = Connection::Open(StoreOfFolder(mFolder));
    TextRead whole = ReadTextForm(ReadFolder(mFolder));
    ASSERT_TRUE(whole.problems.empty());
    EXPECT_EQ(FirstDifference(ReadDesign(*store), whole.design), "");
    EXPECT_EQ(FirstDifference(whole.design, ReadDesign(*store)), "");
  }
  std::string FirstDisplay() { return ReadFolder(mFolder).lower_bound("displays/")->first; }

  std::string mFolder = TempPath("text-folder");
  ProjectFiles mFiles;
};

TEST_F(FolderStore, ReadsOnlyTheDisplayFilesThatChangedAndGivesWhatAWholeImportGives) {
  std::string first = FirstDisplay();
  std::string& text = File(first);
  size_t at = text.find("\nXs = ");
  text.insert(at + 6, "1");
  Save(first);
  SyncResult one = SyncTextProject(mFolder);
  EXPECT_FALSE(one.whole);
  EXPECT_EQ(one.filesRead, 1u);
  EXPECT_EQ(one.rowsChanged, 1u);
  ExpectStoreIsTheFolder();

  // An element moved into another display's file, a display file removed, nothing changed.
  std::string second = std::next(ReadFolder(mFolder).find(first))->first;
  std::string& from = File(first);
  size_t begin = from.rfind("\n[[element]]");
  std::string element = from.substr(begin);
  from.erase(begin);
  Save(first);
  File(second) += element;
  Save(second);
  EXPECT_EQ(SyncTextProject(mFolder).filesRead, 2u);
  ExpectStoreIsTheFolder();
  fs::remove(fs::path(mFolder) / second);
  EXPECT_FALSE(SyncTextProject(mFolder).whole);
  ExpectStoreIsTheFolder();
  EXPECT_EQ(SyncTextProject(mFolder).filesRead, 0u);

  // Any other file: everything is read again.
  File(kTextsFile) += "\n[[text]]\nID = 99\nText = \"New\"\n";
  Save(kTextsFile);
  EXPECT_TRUE(SyncTextProject(mFolder).whole);
  ExpectStoreIsTheFolder();
}

TEST_F(FolderStore, AnElementThatClashesWithAnUnchangedFileChangesNothing) {
  auto store = Connection::Open(StoreOfFolder(mFolder));
  DesignModel before = ReadDesign(*store);
  auto files = ReadFolder(mFolder);
  std::string last = std::prev(files.upper_bound("displays/~"))->first;
  std::string& text = File(FirstDisplay());
  std::string taken = files[last].substr(files[last].rfind("\nID = ") + 6);
  text += "\n[[element]]\nID = " + taken.substr(0, taken.find('\n')) + "\n";
  Save(FirstDisplay());
  SyncResult result = SyncTextProject(mFolder);
  ASSERT_EQ(result.problems.size(), 1u);
  EXPECT_NE(result.problems[0].message.find("another display file has it"), std::string::npos);
  EXPECT_EQ(FirstDifference(ReadDesign(*store), before), "");
}

}  // namespace
}  // namespace brisklet::test
