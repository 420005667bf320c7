// The size services of the timer and the clock: the smallest frame that shows the element's
// format, measured with the text object's font and frame style, and the text measured.
#pragma once
#include <cstdint>
#include <string>

namespace brisklet {

class TimerProperties;
class ClockProperties;

void TimerMinimumSize(TimerProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText);
void ClockMinimumSize(ClockProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText);

// The widest text of a format: "HH:MM" -> "99:99"; an unlisted timer format has its S and h
// made 9 and its points made "*"; an unlisted clock format is its own text.
std::string TimerSampleText(const std::string& format);
std::string ClockSampleText(const std::string& format);

}  // namespace brisklet
