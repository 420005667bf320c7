// The margin a frame style leaves inside an element's rectangle: 4 pixels for a 3D frame,
// 1 for a flat one, none otherwise.
#pragma once
#include <cstdint>

#include "base/Constants.h"

namespace brisklet {

constexpr int32_t FrameMargin(int32_t frameStyle) {
  if (frameStyle == kFrame3DRaised || frameStyle == kFrame3DSunken) return 4;
  return frameStyle == kFrameFlat ? 1 : 0;
}

// The inset of a picture inside a 3D-framed button: the 3D margin, and none for other frames.
constexpr int32_t Frame3DInset(int32_t frameStyle) {
  return frameStyle == kFrame3DRaised || frameStyle == kFrame3DSunken ? FrameMargin(frameStyle) : 0;
}

}  // namespace brisklet
