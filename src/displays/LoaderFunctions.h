// The GUIDs of a display's loader functions (constructor, function, destructor);
// 65535 when the display has none.
#pragma once
#include <cstdint>

namespace brisklet {

int32_t GetConstructorGuid(int32_t displayId);
int32_t GetFunctionGuid(int32_t displayId);
int32_t GetDestructorGuid(int32_t displayId);

}  // namespace brisklet
