// Default screen: the width is the project setting "ScreenWidth", 320 pixels when absent,
// read once per compile.
#pragma once
#include "host/ScreenInfo.h"

namespace brisklet {

class DefaultHost;
constexpr int32_t kDefaultScreenWidth = 320;

class SettingsScreenInfo : public ScreenInfo {
 public:
  explicit SettingsScreenInfo(DefaultHost& host) : mHost(host) {}
  int32_t GetScreenWidth(int32_t& reserved) override;

 private:
  DefaultHost& mHost;
};

}  // namespace brisklet
