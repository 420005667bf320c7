// The pictures of the picture-bearing kinds (picture button, picture lists, framed picture)
// and the class of the two picture lists.
#pragma once
#include "host/properties/ElementProperties.h"

namespace brisklet {

// One picture: its CRC in the project's image table, its transparency and, in the operand
// picture list, its two operands.
#define BRISKLET_PICTURE_PROPERTIES(P) \
  P(Long, SecondOperandAddress)        \
  P(Long, SecondOperandType)           \
  P(Long, FirstOperandAddress)         \
  P(Long, FirstOperandType)            \
  P(Long, ImageCrc)                    \
  P(Long, ImageTransparency)
BRISKLET_PROPERTY_OBJECT(PictureProperties, BRISKLET_PICTURE_PROPERTIES)

// Picture list (VarType 4) and operand picture list (VarType 12): ImageAt(k) is element k - 1.
#define BRISKLET_PICTURE_LIST_PROPERTIES(P) \
  P(Long, ImageCount)                       \
  P(ListOf<PictureProperties>, ImageAt)
BRISKLET_PROPERTIES(PictureListProperties, BRISKLET_PICTURE_LIST_PROPERTIES)

}  // namespace brisklet
