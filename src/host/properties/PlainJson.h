// A quick reader for the JSON a property blob nearly always holds: an object of plain ASCII
// keys and strings, whole numbers, booleans, nulls, nested objects and arrays.
#pragma once
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>

namespace brisklet {

// The object the text holds, as nlohmann's parser would make it, or nothing when the text holds
// anything else (escapes, other bytes, fractions, a repeated key, an error): the caller then asks
// nlohmann, which either reads it or refuses it.
std::optional<nlohmann::json> ReadPlainJsonObject(std::span<const uint8_t> text);

// Equal values of equal types all the way down (nlohmann's == takes 5 and 5u for one value).
bool IdenticalJson(const nlohmann::json& a, const nlohmann::json& b);

}  // namespace brisklet
