// A rectangle that a getter answers by reference, relative to the element's top-left corner:
// one part of a trend graph (GetPartRect, element `code` of its array), the drawing area of a
// point list (GetPlotArea).
#pragma once
#include "host/properties/ElementProperties.h"

namespace brisklet {

#define BRISKLET_PART_RECT_PROPERTIES(P) \
  P(Long, x)                             \
  P(Long, y)                             \
  P(Long, w)                             \
  P(Long, h)
BRISKLET_PROPERTY_OBJECT(PartRect, BRISKLET_PART_RECT_PROPERTIES)

}  // namespace brisklet
