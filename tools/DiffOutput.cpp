// Text and JSON of the changes `diff` finds.
#include "DiffOutput.h"

#include <cstdio>

#include "RecordOutput.h"
#include "preview/PanelColours.h"

namespace brisklet::cli {
namespace {

constexpr const char* kAbsent = "(absent)";

std::string Rgb(uint32_t colour) {
  brisklet::Rgb c = PanelColour(colour);
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", c.r, c.g, c.b);
  return text;
}

// What a field stands for beyond its value, "" when nothing: the RGB of a colour, the element
// of a GUID, else the decoder's meaning.
std::string MeaningOf(const DecodedField& f, const UnitLabels& labels) {
  std::optional<int64_t> n = NumberOf(f.value);
  if (f.kind == FieldKind::Colour && n) return Rgb(static_cast<uint32_t>(*n));
  if (f.kind == FieldKind::ElementGuid && n) {
    auto it = labels.find(static_cast<uint16_t>(*n));
    if (it != labels.end()) return it->second;
    return f.meaning.empty() ? "element GUID " + f.value : f.meaning + " (GUID " + f.value + ")";
  }
  return f.meaning;
}

// "12 (#0000FF)" beside the other side's "4 (#000080)"; the stored values in brackets when
// both sides mean the same from other bytes (a position read on a wider screen).
std::string Shown(const DecodedField& f, const UnitLabels& labels, const DecodedField* other,
                  const UnitLabels& otherLabels) {
  std::string shown = FieldShown(f, labels);
  if (other && FieldShown(*other, otherLabels) == shown && other->value != f.value) shown += " [" + f.value + "]";
  return shown;
}

// What an entry holds, as a reader knows it: the element of a display's list, the text of an
// item, the target of a jump.
std::string Holds(const EntryChange& e, const UnitLabels& labels) {
  if (e.fields.size() == 1) return FieldShown(e.fields.front(), labels);
  std::string holds;
  for (const DecodedField& f : e.fields) {
    if (f.key) holds += (holds.empty() ? "" : ", ") + FieldShown(f, labels);
  }
  return holds.empty() ? "an entry" : holds;
}

void FieldLines(std::ostream& out, const std::string& prefix, const std::vector<FieldChange>& changes,
                const UnitLabels& older, const UnitLabels& newer) {
  for (const FieldChange& c : changes) {
    const DecodedField* was = c.before ? &*c.before : nullptr;
    const DecodedField* is = c.after ? &*c.after : nullptr;
    out << prefix << c.name << ": " << (was ? Shown(*was, older, is, newer) : kAbsent) << " -> "
        << (is ? Shown(*is, newer, was, older) : kAbsent) << '\n';
  }
}

nlohmann::ordered_json FieldsJson(const std::vector<FieldChange>& changes, const UnitLabels& older,
                                  const UnitLabels& newer) {
  nlohmann::ordered_json fields = nlohmann::ordered_json::array();
  for (const FieldChange& c : changes) {
    nlohmann::ordered_json field = {{"name", c.name}};
    auto side = [&](const char* key, const std::optional<DecodedField>& f, const UnitLabels& labels) {
      if (!f) return;
      field[key] = TypedValue(f->value);
      if (std::string meaning = MeaningOf(*f, labels); !meaning.empty()) field[std::string(key) + "_meaning"] = meaning;
    };
    side("before", c.before, older);
    side("after", c.after, newer);
    fields.push_back(std::move(field));
  }
  return fields;
}

const char* KindName(EntryChange::Kind kind) {
  switch (kind) {
    case EntryChange::Kind::Removed: return "removed";
    case EntryChange::Kind::Added: return "added";
    case EntryChange::Kind::Moved: return "moved";
    case EntryChange::Kind::Changed: break;
  }
  return "changed";
}

}  // namespace

std::string FieldShown(const DecodedField& f, const UnitLabels& labels) {
  std::string meaning = MeaningOf(f, labels);
  if (meaning.empty()) return f.value;
  return f.kind == FieldKind::Colour ? f.value + " (" + meaning + ")" : meaning;
}

void WriteChangesText(std::ostream& out, const std::string& label, const RecordChanges& changes,
                      const UnitLabels& older, const UnitLabels& newer) {
  FieldLines(out, label + ' ', changes.fields, older, newer);
  for (const EntryChange& e : changes.entries) {
    std::string list = label + ' ' + e.list;
    std::string entry = " entry " + std::to_string(e.is);
    switch (e.kind) {
      case EntryChange::Kind::Removed:
        out << list << ": removed " << Holds(e, older) << ", was entry " << e.was << '\n';
        break;
      case EntryChange::Kind::Added: out << list << ": added " << Holds(e, newer) << " as" << entry << '\n'; break;
      case EntryChange::Kind::Moved:
        out << list << ": moved " << Holds(e, newer) << " from entry " << e.was << " to" << entry << '\n';
        break;
      case EntryChange::Kind::Changed:
        FieldLines(out, list + entry + (e.was == e.is ? "" : " (was entry " + std::to_string(e.was) + ")") + ' ',
                   e.changes, older, newer);
        break;
    }
  }
}

nlohmann::ordered_json ChangesJson(const RecordChanges& changes, const UnitLabels& older, const UnitLabels& newer) {
  nlohmann::ordered_json entries = nlohmann::ordered_json::array();
  for (const EntryChange& e : changes.entries) {
    nlohmann::ordered_json entry = {{"list", e.list}, {"change", KindName(e.kind)}};
    if (e.was) entry["was_entry"] = e.was;
    if (e.is) entry["entry"] = e.is;
    entry["holds"] = Holds(e, e.kind == EntryChange::Kind::Removed ? older : newer);
    if (e.kind == EntryChange::Kind::Changed) entry["fields"] = FieldsJson(e.changes, older, newer);
    entries.push_back(std::move(entry));
  }
  return {{"fields", FieldsJson(changes.fields, older, newer)}, {"entries", std::move(entries)}};
}

}  // namespace brisklet::cli
