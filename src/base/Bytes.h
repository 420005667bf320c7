// A download record or any other run of raw bytes.
#pragma once
#include <cstdint>
#include <vector>

namespace brisklet {

using Bytes = std::vector<uint8_t>;

}  // namespace brisklet
