// The panel's screen: its width in pixels turns (x, y) into a pixel offset.
#pragma once
#include <cstdint>

namespace brisklet {

class ScreenInfo {
 public:
  virtual ~ScreenInfo() = default;
  virtual int32_t GetScreenWidth(int32_t& reserved) = 0;

 protected:
  ScreenInfo() = default;
};

}  // namespace brisklet
