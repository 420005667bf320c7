// Palette colour rules; mode 1 gives a colour's companion (gradients, 3D edges).
#pragma once
#include <cstdint>

namespace brisklet {

class ColorService {
 public:
  virtual ~ColorService() = default;
  virtual void GetCompanionColor(int32_t mode, int32_t colour, int32_t& result) = 0;

 protected:
  ColorService() = default;
};

}  // namespace brisklet
