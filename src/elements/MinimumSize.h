// The size services of the timer, the clock and the entry field: the smallest frame that
// shows the element's format or grid, measured with the text object's font and frame style,
// and the text measured.
#pragma once
#include <cstdint>
#include <string>

namespace brisklet {

class TimerProperties;
class ClockProperties;
class EntryFieldProperties;

void TimerMinimumSize(TimerProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText);
void ClockMinimumSize(ClockProperties& pVar, int32_t& pDx, int32_t& pDy, std::string& pActualText);
// Modes 1 and 5: the frame of "00:00" or "9999" (by the property object's EntryMode), which
// pText receives. Modes 2 to 4: per column and row the widest name and the name height, plus
// 8 per column and row and 8 in all in a 3D frame (styles 1 and 3), else 2 per column and row.
// Other modes leave the sizes as they are.
void EntryMinimumSize(EntryFieldProperties& pVar, int32_t& pDx, int32_t& pDy, int32_t pMode, std::string& pText);
// The grid of an entry mode (columns, rows), and of its calendar section in the language's
// file the height of the last name measured and the width of the widest.
void CalendarNameSize(EntryFieldProperties& pVar, int32_t pKind, int32_t pLanguage, int32_t& pColumns, int32_t& pRows,
                      int32_t& pHeight, int32_t& pWidth);

// The widest text of a format: "HH:MM" -> "99:99"; an unlisted timer format has its S and h
// made 9 and its points made "*"; an unlisted clock format is its own text.
std::string TimerSampleText(const std::string& format);
std::string ClockSampleText(const std::string& format);

}  // namespace brisklet
