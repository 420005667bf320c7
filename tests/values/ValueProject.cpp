// The value elements' test project.
#include "values/ValueProject.h"

#include <algorithm>
#include <filesystem>

#include "base/RuntimeError.h"
#include "host/FontFile.h"
#include "host/ProjectFonts.h"
#include "support/TestProject.h"

namespace brisklet::test {
namespace {
const char* kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr size_t kHeaderSize = 90;
}  // namespace

void ValueProject::SetUp() {
  project.SetSetting("ScreenWidth", 100);
  project.AddModule("Main", 1);
  display = project.AddDisplay({{"Description", "Setup"}, {"ModuleID", 1}});
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

int32_t ValueProject::Add(const Columns& given) {
  Columns columns = {{"DisplayID", display},
                     {"Type", 5},
                     {"Text", "Speed"},
                     {"FontNumber", 1},
                     {"Xs", 10},
                     {"Ys", 20},
                     {"Dx", 60},
                     {"Dy", 20},
                     {"ColorFore", 3},
                     {"ColorBack", 15}};
  for (const auto& [name, value] : given) {
    auto it = std::find_if(columns.begin(), columns.end(), [&](const auto& c) { return c.first == name; });
    if (it != columns.end()) {
      it->second = value;
    } else {
      columns.push_back({name, value});
    }
  }
  return project.AddElement(columns);
}

std::string ValueProject::KindBytes(int32_t id) {
  try {
    Bytes record = project.Compiler().ElementRecord(id);
    if (record.size() < kHeaderSize) return "short record: " + Hex(record);
    return Hex(Bytes(record.begin() + kHeaderSize, record.end()));
  } catch (const RuntimeError& e) {
    return e.Text();
  }
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
