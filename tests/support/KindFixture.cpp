// The kind compilers' fixture.
#include "support/KindFixture.h"

#include <algorithm>

#include "base/Constants.h"
#include "base/RuntimeError.h"

namespace brisklet::test {

constexpr size_t kHeaderSize = 90;

KindFixture::KindFixture(Columns defaults) : mDefaults(std::move(defaults)) {
  project.SetSetting("ScreenWidth", 100);
  project.AddModule("Main", 1);
  display = project.AddDisplay({{"Description", "Setup"}, {"ModuleID", 1}});
}

int32_t KindFixture::Add(int32_t varType, const Json& blob, const Columns& columns) {
  Columns all = {{"DisplayID", display}, {"Type", kTypeVariable}, {"VarType", varType}, {"Binary", blob.dump()}};
  all.insert(all.end(), mDefaults.begin(), mDefaults.end());
  for (const auto& [name, value] : columns) {
    auto given = std::find_if(all.begin(), all.end(), [&](const auto& c) { return c.first == name; });
    if (given != all.end()) given->second = value;
    else all.push_back({name, value});
  }
  return project.AddElement(all);
}

std::string KindFixture::KindBytes(int32_t id) {
  Bytes record = project.Compiler().ElementRecord(id);
  if (record.size() < kHeaderSize) return "short record: " + Hex(record);
  return Hex(Bytes(record.begin() + kHeaderSize, record.end()));
}

std::string KindFixture::ErrorOf(int32_t id) {
  try {
    project.Compiler().ElementRecord(id);
  } catch (const RuntimeError& e) {
    return e.Describe();
  }
  return "";
}

void KindFixture::AddImage(int32_t number, int32_t crc, int32_t bits) {
  project.Insert("ProjectImages", {{"ImageID", number}, {"CRC", crc}, {"Bits", bits}});
}

}  // namespace brisklet::test
