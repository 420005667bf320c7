// The settings of a point list (VarType 25): its drawing area, its points, three settings and
// two operands. GetPlotArea and GetPointCoordinates keep the one answer the designer stored
// for the element's font and variable operand.
#pragma once
#include "elements/RectProperties.h"
#include "host/properties/ElementProperties.h"

namespace brisklet {

// GetPointCoordinates (X, Y, operand type): point i is (X[i], Y[i]), relative to the
// element's top-left corner.
#define BRISKLET_POINT_COORDINATES_PROPERTIES(P) \
  P(LongArray, X)                                \
  P(LongArray, Y)
BRISKLET_PROPERTY_OBJECT(PointCoordinates, BRISKLET_POINT_COORDINATES_PROPERTIES)

#define BRISKLET_POINT_LIST_PROPERTIES(P) \
  P(ObjectOf<PartRect>, GetPlotArea)        \
  P(Long, GetPlotColor)                   \
  P(Long, GetPlotSetting1)                \
  P(Long, GetPlotSetting2)                \
  P(Long, GetPlotOperand1Type)            \
  P(Long, GetPlotOperand1Addr)            \
  P(Long, GetPlotOperand2Type)            \
  P(Long, GetPlotOperand2Addr)            \
  P(Long, GetPlotSetting3)                \
  P(Long, GetPointCount)                  \
  P(ObjectOf<PointCoordinates>, GetPointCoordinates)
BRISKLET_PROPERTIES(PointListProperties, BRISKLET_POINT_LIST_PROPERTIES)

}  // namespace brisklet
