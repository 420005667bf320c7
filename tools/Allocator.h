// The memory allocator a program runs with: mimalloc where the build links it (CMakeLists.txt,
// brisklet_use_allocator), the C library's malloc otherwise.
#pragma once
#include <string>

#ifdef BRISKLET_MIMALLOC
#include <mimalloc.h>
#endif

namespace brisklet {

inline std::string AllocatorName() {
#ifdef BRISKLET_MIMALLOC
  int v = mi_version();  // 209 for 2.0.9
  return "mimalloc " + std::to_string(v / 100) + "." + std::to_string(v / 10 % 10) + "." + std::to_string(v % 10);
#else
  return "the C library's malloc";
#endif
}

}  // namespace brisklet
