// The every-kind mix's value elements and entries: numbers, clocks, timers, entry fields, text
// fields, string entries and entry texts, each with the property blob it reads.
#include <string>

#include "generator/KindMakers.h"

namespace brisklet::generator::every {

struct Unit {
  const char* mask;
  const char* units;
};
constexpr Unit kUnits[] = {{"999.9", "C"}, {"99.9", "bar"}, {"9999", "rpm"},  {"9999.99", "l/min"},
                           {"999", "%"},   {"999.9", "kg"}, {"99.99", "m/s"}, {"9999", "pcs"}};

// A number (VarType 8 or 13, "LN" / "EN"), some with their units from the text table.
Element Number(DisplayState& d, int32_t varType, bool entry) {
  Random& r = d.Rand();
  Element e = Start(r, varType);
  const Unit& u = r.Pick<Unit>(kUnits);
  int32_t value = d.TakeValue();
  std::string units = u.units, blob = "{\"GetMask\": " + Quoted(u.mask) +
                                      ", \"GetOperand1Type\": 2, \"GetOperand1Addr\": " + Num(value) +
                                      ", \"GetFormatCode\": " + Num(r.Between(0, 1));
  if (r.Chance(15)) {  // the units named by an entry of the text table
    int32_t index = r.Between(0, kProjectTexts - 1);
    units = kWords[static_cast<size_t>(index) % std::size(kWords)] + " text";
    blob += ", \"IsUnitsLinked\": -1, \"GetUnitsSource\": {\"GetSourceText\": " + Quoted(units) +
            ", \"GetSourceOperandType\": 0, \"GetSourceOperandAddr\": " + Num(index) + "}";
  } else {
    blob += ", \"GetUnitsText\": " + Quoted(units);
  }
  if (entry) {
    blob += ", \"GetEntryCode\": 3, \"GetEntryCount\": 1, \"GetEntryOperand1Type\": 2, \"GetEntryOperand1Addr\": " +
            Num(d.TakeValue()) + ", \"GetEntryOperand2Type\": 2, \"GetEntryOperand2Addr\": " + Num(d.TakeValue());
  }
  e.binary = Value(blob + "}");
  e.varOprndType = 2;
  e.varOprndAddr = value;
  e.alignment = r.Chance(50) ? 5 : 3;
  FitTo(e, "-" + std::string(u.mask) + " " + units, r);  // with the sign place
  return e;
}

// A number with colour ranges (VarType 29, "NR" / "ER").
Element RangedNumber(DisplayState& d, bool entry) {
  Random& r = d.Rand();
  Element e = Start(r, 29);
  int32_t value = d.TakeValue();
  std::string blob =
      "{\"GetMask\": \"999\", \"GetUnitsText\": \"%\", \"GetOperand1Type\": 2, \"GetOperand1Addr\": " + Num(value) +
      ", \"GetRangeCount\": 3, \"GetRange\": [";
  const int32_t limits[] = {0, 20, 90, 100}, colours[] = {9, 10, 12};
  for (int i = 0; i < 3; ++i) {
    blob += std::string(i ? ", " : "") + "{\"GetLimit1Type\": 34, \"GetLimit1Addr\": " + Num(limits[i]) +
            ", \"GetLimit2Type\": 34, \"GetLimit2Addr\": " + Num(limits[i + 1]) +
            ", \"GetRangeCode\": 1, \"GetRangeColor\": " + Num(colours[i]) + "}";
  }
  blob += "]";
  if (entry) blob += ", \"GetEntryOperand1Type\": 2, \"GetEntryOperand1Addr\": " + Num(value);
  e.binary = Value(blob + "}");
  e.varOprndType = 2;
  e.varOprndAddr = value;
  e.alignment = 3;
  FitTo(e, "-999 %", r);
  return e;
}

// A clock (VarType 5, "LC" / "EC").
Element Clock(DisplayState& d, bool entry) {
  Random& r = d.Rand();
  Element e = Start(r, 5);
  static const char* const kFormats[] = {"hh:mm:ss", "hh:mm", "dd/mm/yy", "dd.mm.yyyy"};
  std::string format = kFormats[r.Between(0, 3)];
  e.binary = Value("{\"GetClockSetting\": " + Num(format[0] == 'd' ? 2 : 1) +
                   ", \"GetClockStyle\": 0, \"GetTextObject\": {\"GetText\": " + Quoted(format) + "}" +
                   (entry ? ", \"GetClockEntryCode\": 1}" : "}"));
  e.alignment = 3;
  FitTo(e, format, r);
  return e;
}

// A timer (VarType 7, "LT" / "ET") on a timer operand.
Element Timer(DisplayState& d, bool entry) {
  Random& r = d.Rand();
  Element e = Start(r, 7);
  std::string format = entry ? "MM:SS" : (r.Chance(50) ? "MM:SS.hh" : "HH:MM:SS");
  e.binary = Value(entry ? "{\"GetTextObject\": {\"GetText\": \"MM:SS\"}, \"GetTimerEntryCode\": 1, "
                           "\"GetTimerKind\": 2, \"GetTimerStyle\": 1}"
                         : "{\"GetTextObject\": {\"GetText\": " + Quoted(format) +
                               "}, \"GetTimerKind\": 1, \"GetTimerStyle\": 1, \"GetTimerSubKind\": 2}");
  e.varOprndType = entry ? 8 : 7;
  e.varOprndAddr = r.Between(0, 63);
  e.alignment = 3;
  FitTo(e, format, r);
  return e;
}

// An entry field (VarType 6): a number entered ("EF"), or a picker of a weekday or month whose
// names come from the calendar file of its language ("LF").
Element EntryField(DisplayState& d, bool entry) {
  Random& r = d.Rand();
  Element e = OnValue(d, 6);
  e.alignment = entry ? 3 : 4;
  if (entry) {
    e.binary = Value(std::string("{\"EntryMode\": 5, \"EntryStyle\": 1, \"TextSource\": {\"SampleText\": \"9999\"}}"));
    FitTo(e, "9999", r);
    return e;
  }
  static constexpr int32_t kLanguages[] = {0, 2, 3, 4, 6, 7, 8, 9};  // all within code page 1252
  bool month = r.Chance(50);
  std::string sample = month ? "September" : "Wednesday";
  e.binary = Value("{\"DisplayStyle\": 1, \"EntryMode\": " + Num(month ? 4 : 2) + ", \"GridTextOption\": " +
                   Num(r.Pick<int32_t>(kLanguages)) + ", \"TextSource\": {\"SampleText\": " + Quoted(sample) + "}}");
  e.font = 1;  // the pickers' grids are sized for the small font
  e.dx = month ? 240 : 280;
  e.dy = month ? 80 : 60;
  return e;
}

// A text field (VarType 15, "LA" / "EA"): characters of an operand.
Element TextField(DisplayState& d, bool entry) {
  Random& r = d.Rand();
  Element e = OnValue(d, 15);
  std::string text = entry ? "R" : "Line A";
  int32_t length = entry ? 6 : 8;
  e.binary = Value("{\"GetFieldText\": " + Quoted(text) + ", \"GetFieldLength\": " + Num(length) +
                   ", \"GetFieldOperandType\": 2, \"GetFieldOperandAddr\": " + Num(d.TakeValue()) +
                   (entry ? ", \"GetFieldStyle\": 1}" : "}"));
  e.alignment = 3;
  FitTo(e, std::string(static_cast<size_t>(length), 'W'), r);
  return e;
}

// A string entry (VarType 16 "LO" / "EO", 19 "LU" / "EU").
Element StringEntry(DisplayState& d, int32_t varType, bool entry) {
  Random& r = d.Rand();
  Element e = OnValue(d, varType);
  std::string sample = varType == 16 ? (entry ? "OP-1234" : "Operator name") : "Batch 42";
  std::string blob = "{\"TextSource\": {\"SampleText\": " + Quoted(sample) + "}";
  if (entry) blob += ", \"DisplayStyle\": 1, \"EntryStyle\": " + Num(varType == 16 ? 1 : 2);
  else if (varType == 16) blob += ", \"DisplayOption\": 0, \"DisplayStyle\": 1, \"ModeKind\": 2";
  else blob += ", \"DisplayOption\": 1, \"ModeKind\": 1, \"ModeVariant\": 2";
  e.binary = Value(blob + "}");
  e.alignment = 3;
  FitTo(e, sample, r);
  return e;
}

// An entry text (VarType 30, "EP"): a code entered against an operand.
Element EntryText(DisplayState& d) {
  Random& r = d.Rand();
  Element e = OnValue(d, 30);
  e.binary = Value("{\"GetCodeFlag\": 1, \"GetCodeOperandType\": 2, \"GetCodeOperandAddr\": " + Num(d.TakeValue()) +
                   ", \"GetCodeValue\": 4, \"GetEntryStyle\": 1, \"GetText1\": \"Code\", \"GetText2\": \"Enter\"}");
  e.alignment = 3;
  FitTo(e, "Enter", r, 20);
  return e;
}

}  // namespace brisklet::generator::every
