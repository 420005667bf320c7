// The kind compilers' fixture.
#include "support/KindFixture.h"

#include <filesystem>

#include "base/Constants.h"
#include "base/RuntimeError.h"
#include "base/WriteTrace.h"
#include "decoding/DecodeContext.h"
#include "host/FontFile.h"
#include "host/ProjectFonts.h"
#include "support/LayoutAgreement.h"

namespace brisklet::test {
namespace {
const char* kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr size_t kHeaderSize = 90;
}  // namespace

KindFixture::KindFixture(Columns defaults) : mDefaults(std::move(defaults)) {
  project.SetSetting("ScreenWidth", 100);
  project.AddModule("Main", 1);
  display = project.AddDisplay({{"Description", "Setup"}, {"ModuleID", 1}});
}

int32_t KindFixture::Add(const Columns& columns) {
  return project.AddElement(With(With({{"DisplayID", display}, {"Type", kTypeVariable}}, mDefaults), columns));
}

int32_t KindFixture::Add(int32_t varType, const Json& blob, const Columns& columns) {
  return Add(With({{"VarType", varType}, {"Binary", blob.dump()}}, columns));
}

std::string KindFixture::KindBytes(int32_t id) {
  try {
    WriteTrace trace;
    Bytes record = project.Compiler().ElementRecord(id);
    const WriteTrace::Written* written = trace.Find(record);
    ExpectLayoutsAgree("element " + std::to_string(id), record, written ? written->writes : std::vector<TracedWrite>{},
                       ReadDecodeContext(project.Host(), project.Db()), true);
    if (record.size() < kHeaderSize) return "short record: " + Hex(record);
    return Hex(Bytes(record.begin() + kHeaderSize, record.end()));
  } catch (const RuntimeError& e) {
    return e.Text();
  }
}

std::string KindFixture::ErrorOf(int32_t id) {
  RuntimeError e = test::ErrorOf([&] { project.Compiler().ElementRecord(id); });
  return e.Text() == "no error" ? "" : e.Describe();
}

void KindFixture::AddImage(int32_t number, int32_t crc, int32_t bits) {
  project.Insert("ProjectImages", {{"ImageID", number}, {"CRC", crc}, {"Bits", bits}});
}

ValueProject::ValueProject()
    : KindFixture({{"Text", "Speed"},
                   {"FontNumber", 1},
                   {"Xs", 10},
                   {"Ys", 20},
                   {"Dx", 60},
                   {"Dy", 20},
                   {"ColorFore", 3},
                   {"ColorBack", 15}}) {
  AddTestFont(project, {.number = 7});
  AddTestFont(project, {.number = 1});
  for (int i = 0; i < 2; ++i) project.Insert("ProjectTexts", {{"TextIndex", i}, {"Text", "Text"}});
}

bool ValueProject::InstallDejaVu() {
  if (!std::filesystem::exists(kDejaVuSans)) return false;
  InstallFont(project.Db(), kDejaVuFont, 0, MeasureFontFile(kDejaVuSans, 12, 1252));
  project.Host().BeginPublicCall();
  return true;
}

std::string Join(std::initializer_list<std::string> parts) {
  std::string all;
  for (const std::string& p : parts) all += (all.empty() ? "" : " ") + p;
  return all;
}

Json WithOperands(Json item, int32_t type1, int32_t address1, int32_t type2, int32_t address2) {
  item.update({{"FirstOperandType", type1},
               {"FirstOperandAddress", address1},
               {"SecondOperandType", type2},
               {"SecondOperandAddress", address2}});
  return item;
}

void KindBytesTest::ExpectKindBytes() {
  const KindCase& c = GetParam();
  std::string bytes = KindBytes(Add(c.columns));
  bool error = c.expected == "Overflow" || c.expected == "Invalid property data";
  if (c.offset == KindCase::kWhole || error) {
    EXPECT_EQ(bytes, c.expected);
    return;
  }
  ASSERT_GE(bytes.size(), c.offset * 3) << bytes;
  std::string from = bytes.substr(c.offset * 3);
  EXPECT_EQ(c.rest ? from : from.substr(0, c.expected.size()), c.expected) << bytes;
}

}  // namespace brisklet::test
