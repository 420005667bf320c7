// The settings of a framed picture (VarType 22): its picture, the frame inside it and two
// operands.
#pragma once
#include "elements/PictureProperties.h"
#include "host/properties/ElementProperties.h"

namespace brisklet {

#define BRISKLET_FRAMED_PICTURE_PROPERTIES(P)   \
  P(ObjectOf<PictureProperties>, GetFramePicture) \
  P(Long, GetFrameLeft)                         \
  P(Long, GetFrameTop)                          \
  P(Long, GetFrameWidth)                        \
  P(Long, GetFrameHeight)                       \
  P(Long, GetFrameSetting)                      \
  P(Long, GetFrameOperand1Type)                 \
  P(Long, GetFrameOperand1Addr)                 \
  P(Long, GetFrameOperand2Type)                 \
  P(Long, GetFrameOperand2Addr)
BRISKLET_PROPERTIES(FramedPictureProperties, BRISKLET_FRAMED_PICTURE_PROPERTIES)

}  // namespace brisklet
