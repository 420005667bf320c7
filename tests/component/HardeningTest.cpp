// Bad input and failures that must end in a clear error naming the element, or in nothing
// worse than a notice: texts the panel cannot hold, a commit that fails, blob numbers beyond
// 32 bits, texts in the default font (image data that does not unpack: EncodingTest).
#include <sys/stat.h>

#include <filesystem>

#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "host/MessageService.h"
#include "support/KindFixture.h"
#include "support/TestAccess.h"

namespace brisklet::test {
namespace {

class Hardening : public KindFixture {
 protected:
  int32_t TextBox(const std::string& text, const Columns& more = {}) {
    return project.AddElement(
        With({{"DisplayID", display}, {"Type", kTypeTextBox}, {"Text", text}, {"Dx", 60}, {"Dy", 20}}, more));
  }
};

struct BadTextCase {
  const char* name;
  std::string text;
  const char* error;  // the start of the described error
};

const BadTextCase kBadTexts[] = {
    {"Nul", std::string("ab\0c", 4), "Invalid text (character 3 is the control character U+0000"},
    {"Tab", "a\tb", "Invalid text (character 2 is the control character U+0009"},
    {"C1Control", "a\xC2\x85", "Invalid text (character 2 is the control character U+0085"},
    {"TruncatedSequence", "caf\xC3", "Invalid text (character 4 of \"caf\xC3\" is not valid UTF-8"},
    {"Overlong", "\xC0\xAF", "Invalid text (character 1 of \"\xC0\xAF\" is not valid UTF-8"},
};

class BadText : public Hardening, public ::testing::WithParamInterface<BadTextCase> {};

TEST_P(BadText, NamesTheCharacterAndTheElement) {
  int32_t id = TextBox(GetParam().text);
  std::string error = ErrorOf(id);
  EXPECT_EQ(error.rfind(GetParam().error, 0), 0u) << error;
  EXPECT_NE(error.find("in element " + std::to_string(id)), std::string::npos) << error;
}

INSTANTIATE_TEST_SUITE_P(Cases, BadText, ::testing::ValuesIn(kBadTexts), ByName());

TEST_F(Hardening, LineBreaksAreText) { EXPECT_EQ(ErrorOf(TextBox("two\r\nlines")), ""); }

// Arabic letters in a right-to-left font go to a 1256 panel in display order, unjoined: the
// joined presentation forms are in no single-byte code page.
TEST_F(Hardening, ArabicCompilesInItsCodePage) {
  project.SetSetting("CodePage", 1256);
  AddTestFont(project, {.number = 1, .charset = 177});
  int32_t id = TextBox("\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85", {{"FontNumber", 1}});  // salam: seen, lam, alef, meem
  ASSERT_EQ(ErrorOf(id), "");
  std::string record = Hex(project.Compiler().ElementRecord(id));
  EXPECT_NE(record.find("e3 c7 e1 d3"), std::string::npos) << record;  // meem, alef, lam, seen
}

TEST_F(Hardening, AFailedCommitIsAnErrorAndNothingIsClaimed) {
  TextBox("Box");
  project.Db().Execute(
      "PRAGMA foreign_keys=ON;"
      "CREATE TABLE Parent(Id INTEGER PRIMARY KEY);"
      "CREATE TABLE Child(ParentId INTEGER REFERENCES Parent(Id) DEFERRABLE INITIALLY DEFERRED);"
      "CREATE TRIGGER BreakTheCommit AFTER INSERT ON DownloadUnits BEGIN INSERT INTO Child VALUES (99); END;");
  EXPECT_EQ(test::ErrorOf([&] { project.Compiler().CompileHMI(); }).Describe(),
            "Database error (the compile could not be stored: FOREIGN KEY constraint failed)");
  EXPECT_EQ(project.Scalar("SELECT COUNT(*) FROM DownloadUnits").ToLong(), 0);
}

struct BlobNumberCase {
  const char* name;
  const char* blob;
  const char* error;
};

const BlobNumberCase kBlobNumbers[] = {
    {"UnsignedBeyond32Bits", R"({"GetBarSetting1": 18446744073709551614})",
     "Overflow (property 'GetBarSetting1' is 18446744073709551614, outside 32 bits)"},
    {"Fraction", R"({"GetBarSetting1": 1.5})",
     "Invalid property data (property 'GetBarSetting1' is a fractional number, expected a number)"},
};

class BlobNumbers : public Hardening, public ::testing::WithParamInterface<BlobNumberCase> {};

TEST_P(BlobNumbers, AreRefusedByName) {
  int32_t id = Add({{"VarType", kVarBarGraph}, {"Binary", GetParam().blob}});
  EXPECT_EQ(ErrorOf(id).rfind(GetParam().error, 0), 0u) << ErrorOf(id);
}

INSTANTIATE_TEST_SUITE_P(Cases, BlobNumbers, ::testing::ValuesIn(kBlobNumbers), ByName());

// The panel draws a text of font number 0, or of a number without a font, in the first font:
// it is measured in that font, so a text too long for its frame is reported.
TEST_F(Hardening, TextsInTheDefaultFontAreMeasured) {
  AddTestFont(project, {.number = 4});
  TextBox("A text far too long for its frame", {{"FontNumber", 0}});
  TextBox("Another one, in a font that is not there", {{"FontNumber", 9}});
  project.Compiler().CompileHMI();
  EXPECT_EQ(project.Messages().Texts().size(), 3u);  // two fit warnings and the missing font 9
}

TEST_F(Hardening, AProjectWithoutFontsSaysOnceThatItsTextsWereNotChecked) {
  TextBox("A text far too long for its frame");
  TextBox("Another text far too long for its frame");
  project.Compiler().CompileHMI();
  EXPECT_TRUE(project.Messages().Texts().empty());
  EXPECT_EQ(project.Notices(),
            std::vector<std::string>{
                "the project has no fonts: texts could not be measured or checked against their frames"});
}

// An element that shares its download GUID with a display or another element would overwrite
// that item's unit: the clash is one error naming both, and neither is compiled.
TEST_F(Hardening, SharedGuidsAreReportedAndNeitherIsStored) {
  int32_t home = project.AddDisplay({{"Description", "Home"}, {"ModuleID", 1}, {"GUID", 500}});
  int32_t box = TextBox("Box");
  project.Insert("HMI_Elements", {{"DisplayID", display}, {"Type", kTypeRectangle}, {"Text", "Clash"}, {"GUID", 500}});
  project.Compiler().CompileHMI();
  std::vector<std::string> expected = {"The download GUID 500 belongs to the display 'Home' (display " +
                                       std::to_string(home) + "), the element 'Clash' (element " +
                                       std::to_string(box + 1) +
                                       "): their units would overwrite each other, so "
                                       "none of them is compiled"};
  EXPECT_EQ(project.Messages().Texts(), expected);
  EXPECT_EQ(project.UnitHex(500), "");
  EXPECT_EQ(project.IsCompiled(500), 0);
  EXPECT_NE(project.UnitHex(project.GuidOf(box)), "");
}

// A value the record cuts to 16 bits is still cut (the panel expects the field as it is), and
// the compile says so, once per field of a display.
TEST_F(Hardening, ValuesCutTo16BitsAreReported) {
  project.Db().Execute("UPDATE HMI_Palettes SET GUID=70000");
  project.AddElement({{"DisplayID", display}, {"Type", kTypeRectangle}, {"GUID", 65536}});
  project.AddElement({{"DisplayID", display}, {"Type", kTypeRectangle}, {"GUID", 65537}});
  Bytes record = project.Compiler().DisplayRecord(display);
  ASSERT_GE(record.size(), 38u);
  EXPECT_EQ(Hex(Bytes(record.begin() + 2, record.begin() + 4)), "70 11");  // 70000 as its low 16 bits
  EXPECT_EQ(Hex(Bytes(record.begin() + 34, record.begin() + 38)), "00 00 01 00");
  EXPECT_EQ(project.Messages().Texts(),
            (std::vector<std::string>{
                "The HMI Display: 'Setup' has the palette GUID 70000, which 16 bits cannot hold; the panel would "
                "read 4464",
                "The HMI Display: 'Setup' has the element GUID 65536 (and 1 more like it), which 16 bits cannot "
                "hold; the panel would read 0"}));
}

// A cell's value is bound, never pasted into a statement: a text GUID marks nothing else.
TEST_F(Hardening, AGuidCellIsNeverPastedIntoSql) {
  int32_t first = TextBox("A", {{"TabIndex", 3}});
  project.Db().Execute("UPDATE DownloadDLUs SET IsCompiled=1");
  project.Insert("HMI_Elements",
                 {{"DisplayID", display}, {"Type", kTypeTextBox}, {"TabIndex", 7}, {"GUID", "0 OR 1=1"}});
  clsDownloadTestAccess::NormalizeTabOrder(project.Compiler());
  EXPECT_EQ(project.Scalar("SELECT COUNT(*) FROM DownloadDLUs WHERE IsCompiled=0").ToLong(), 0);
  EXPECT_EQ(project.Scalar("SELECT TabIndex FROM HMI_Elements WHERE ID=" + std::to_string(first + 1)).ToLong(), 4);
}

// The walks of the checks name the row they failed on.
TEST_F(Hardening, ChecksNameTheRowTheyFailedOn) {
  project.AddElement({{"DisplayID", display}, {"Type", kTypeTextBox}, {"Text", Value()}, {"FontNumber", 3}});
  EXPECT_EQ(test::ErrorOf([&] { project.Compiler().CompileHMI(); }).Describe(),
            "Invalid use of Null (field 'Text' is Null) in an element on display " + std::to_string(display));
}

// The touch and hide check skips a row it cannot read, as it always has, and says so.
TEST_F(Hardening, TouchAndHideSaysWhatItSkipped) {
  project.AddElement(
      {{"DisplayID", display}, {"Type", kTypeTextBox}, {"Text", Value()}, {"TouchOprndAddr", 4}, {"VisibleOpAddr", 4}});
  clsDownloadTestAccess::RunCheck(project.Compiler(), CheckOf(CheckId::kTouchAndHide));
  ASSERT_EQ(project.Notices().size(), 1u);
  EXPECT_EQ(project.Notices()[0].rfind("the touch and hide check skipped a row of an element on display", 0), 0u)
      << project.Notices()[0];
}

// A catalogue that is a FIFO or a device is refused before it is read: it would never end or
// fill the memory.
TEST_F(Hardening, ACatalogueThatIsNoFileIsRefusedUnread) {
  std::filesystem::path dir = TempPath("catalogue");
  std::filesystem::create_directories(dir);
  for (const char* kind : {"fifo", "device"}) {
    std::filesystem::remove(dir / "messages.txt");
    if (std::string(kind) == "fifo") {
      ASSERT_EQ(mkfifo((dir / "messages.txt").c_str(), 0600), 0);
    } else {
      std::filesystem::create_symlink("/dev/zero", dir / "messages.txt");
    }
    project.UseDataDir(dir.string());
    try {
      project.Host().NewMessageService()->MessageText(409, {});
      ADD_FAILURE() << kind << " was read";
    } catch (const RuntimeError& e) {
      EXPECT_NE(e.Describe().find("is not a regular file"), std::string::npos) << e.Describe();
    }
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace brisklet::test
