// The merge walks every key of the three sides once per table; a conflict is named from the
// rows of the display and element it lies in, taken from whichever side still holds them.
#include "textproject/DesignMerge.h"

#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>

namespace brisklet {
namespace {

using Json = nlohmann::json;

constexpr char kAbsent[] = "absent";

// Two optional things (a row, a value, a JSON node) are the same when both are missing or both
// hold equal values.
template <typename T>
bool Same(const T* a, const T* b) {
  return a == b || (a && b && *a == *b);
}

std::string ValueText(const Value* v) {
  if (!v) return kAbsent;
  if (v->IsNull()) return "NULL";
  if (v->IsText()) return Json(*v->TextPtr()).dump(-1, ' ', false, Json::error_handler_t::replace);
  if (v->IsBytes()) return std::to_string(v->BytesPtr()->size()) + " bytes";
  return v->SqlText();
}

std::string JsonText(const Json* j) { return j ? j->dump(-1, ' ', false, Json::error_handler_t::replace) : kAbsent; }

// A property blob as the compiler reads it (NULL or empty is the empty object); nothing when
// it is no JSON object.
std::optional<Json> BlobObject(const Value& v) {
  std::string text;
  if (const std::string* s = v.TextPtr()) text = *s;
  if (const Bytes* b = v.BytesPtr()) text.assign(b->begin(), b->end());
  if (!v.IsNull() && !v.IsText() && !v.IsBytes()) return std::nullopt;
  if (text.empty()) return Json::object();
  Json j = Json::parse(text, nullptr, false);
  if (j.is_discarded() || !j.is_object()) return std::nullopt;
  return j;
}

const Json* Member(const Json* object, const std::string& key) {
  if (!object) return nullptr;
  auto it = object->find(key);
  return it == object->end() ? nullptr : &*it;
}

// One table's three sides and the names of what lies in it, for the conflicts.
class TableMerge {
 public:
  TableMerge(const DesignModel& base, const DesignModel& ours, const DesignModel& theirs, size_t table,
             std::vector<MergeConflict>& conflicts)
      : mSides{&base, &ours, &theirs}, mTable(ours.Tables()[table]), mIndex(table), mConflicts(conflicts) {}

  void Into(DesignTable& merged) {
    std::set<RowKey, RowKeyLess> keys;
    for (const DesignModel* side : mSides) {
      for (const auto& [key, row] : side->Tables()[mIndex].rows) keys.insert(key);
    }
    for (const RowKey& key : keys) {
      mKey = &key;
      const Row* b = Find(0, key);
      const Row* o = Find(1, key);
      const Row* t = Find(2, key);
      if (Same(o, t) || Same(t, b)) {
        if (o) merged.rows.emplace(key, *o);
      } else if (Same(o, b)) {
        if (t) merged.rows.emplace(key, *t);
      } else if (!o || !t) {
        DeletedAndChanged(b, o, t);
        if (o) merged.rows.emplace(key, *o);
      } else {
        merged.rows.emplace(key, Columns(b, *o, *t));
      }
    }
  }

 private:
  const Row* Find(size_t side, const RowKey& key) const {
    const auto& rows = mSides[side]->Tables()[mIndex].rows;
    auto it = rows.find(key);
    return it == rows.end() ? nullptr : &it->second;
  }

  // A row of another table by its one-column key, from ours, else theirs, else the base.
  const Row* Lookup(const char* table, const Value& id) const {
    for (size_t side : {1, 2, 0}) {
      const auto& rows = mSides[side]->Table(table).rows;
      auto it = rows.find({id});
      if (it != rows.end()) return &it->second;
    }
    return nullptr;
  }

  static std::string Named(std::string label, const Row* row, const DesignTable& table, const char* column) {
    if (!row) return label;
    const Value& name = (*row)[table.ColumnIndex(column)];
    if (name.IsText() && !name.TextPtr()->empty()) label += " " + ValueText(&name);
    return label;
  }

  std::string Display(const Value& id) const {
    return Named("display " + id.SqlText(), Lookup("Pages", id), mSides[1]->Table("Pages"), "Description");
  }

  std::string Element(const Value& id) const {
    const Row* row = Lookup("HMI_Elements", id);
    const DesignTable& elements = mSides[1]->Table("HMI_Elements");
    std::string label = Named("element " + id.SqlText(), row, elements, "Text");
    if (!row) return label;
    const Value& display = (*row)[elements.ColumnIndex("DisplayID")];
    return Lookup("Pages", display) ? Display(display) + " / " + label : label;  // an element off every display: alone
  }

  // Where the current row lies, as a person finds it in the project.
  std::string Where() const {
    const RowKey& key = *mKey;
    const std::string& name = mTable.name;
    if (name == "Pages") return Display(key[0]);
    if (name == "HMI_Elements") return Element(key[0]);
    if (name == "PagesAndImages") return Display(key[0]) + " / background picture";
    if (name == "ElementsAndImages") return Element(key[0]) + " / picture " + key[1].SqlText();
    if (name == "HMIJumps") {
      const Row* row = Lookup("HMIJumps", key[0]);
      std::string jump = "jump " + key[0].SqlText();
      return row ? Display((*row)[mTable.ColumnIndex("PageNum")]) + " / " + jump : jump;
    }
    if (name == "tblFontGlyphs") return "font number " + key[0].SqlText() + " / glyph " + key[1].SqlText();
    static const std::map<std::string, std::string> nouns = {{"ProjectSettings", "setting"},
                                                             {"DispModules", "module"},
                                                             {"HMI_Palettes", "palette"},
                                                             {"LdrFunctions", "function"},
                                                             {"ProjectTexts", "text"},
                                                             {"Trends", "trend"},
                                                             {"Curves", "curve"},
                                                             {"tblFonts", "font"},
                                                             {"ProjectImages", "image"}};
    auto noun = nouns.find(name);
    return (noun != nouns.end() ? noun->second : name) + " " + key[0].SqlText();
  }

  void Conflict(std::string what, std::string base, std::string ours, std::string theirs) {
    mConflicts.push_back({Where(), std::move(what), std::move(base), std::move(ours), std::move(theirs)});
  }

  // One side deleted the row, the other changed it.
  void DeletedAndChanged(const Row* b, const Row* o, const Row* t) {
    const Row& kept = o ? *o : *t;
    std::string changed;
    for (size_t i = 0; i < kept.size(); ++i) {
      if (!b || !((*b)[i] == kept[i])) changed += (changed.empty() ? "" : ", ") + mTable.columns[i];
    }
    std::string deleted = o ? "deleted in theirs" : "deleted in ours";
    std::string edited = std::string(o ? "changed in ours" : "changed in theirs") + " (" + changed + ")";
    Conflict("", "present", o ? edited : deleted, o ? deleted : edited);
  }

  // A row both sides changed (or added): column by column against the base row (or none).
  Row Columns(const Row* b, const Row& o, const Row& t) {
    Row merged = o;
    for (size_t i = 0; i < o.size(); ++i) {
      const Value* was = b ? &(*b)[i] : nullptr;
      if (o[i] == t[i] || Same(was, &t[i])) continue;
      if (Same(was, &o[i])) {
        merged[i] = t[i];
      } else if (!(mTable.name == "HMI_Elements" && mTable.columns[i] == "Binary" &&
                   Blob(was, o[i], t[i], merged[i]))) {
        Conflict("column " + mTable.columns[i], ValueText(was), ValueText(&o[i]), ValueText(&t[i]));
      }
    }
    return merged;
  }

  // A property blob both sides changed, merged property by property; false when a side holding
  // it is no JSON object.
  bool Blob(const Value* was, const Value& o, const Value& t, Value& merged) {
    std::optional<Json> jb = was ? BlobObject(*was) : Json::object();
    std::optional<Json> jo = BlobObject(o), jt = BlobObject(t);
    if (!jb || !jo || !jt) return false;
    std::optional<Json> out = Properties(was ? &*jb : nullptr, &*jo, &*jt, "");
    std::string text = out ? out->dump(-1, ' ', false, Json::error_handler_t::replace) : "{}";
    merged = o.IsBytes() ? Value(Bytes(text.begin(), text.end())) : Value(text);
    return true;
  }

  std::optional<Json> Properties(const Json* b, const Json* o, const Json* t, const std::string& path) {
    auto copy = [](const Json* j) { return j ? std::optional<Json>(*j) : std::nullopt; };
    if (Same(o, t) || Same(b, t)) return copy(o);
    if (Same(b, o)) return copy(t);
    if (o && t && o->is_object() && t->is_object() && (!b || b->is_object())) {
      Json out = Json::object();
      std::set<std::string> keys;
      for (const Json* side : {b, o, t}) {
        if (side) {
          for (const auto& [key, value] : side->items()) keys.insert(key);
        }
      }
      for (const std::string& key : keys) {
        auto merged = Properties(Member(b, key), Member(o, key), Member(t, key), path.empty() ? key : path + "." + key);
        if (merged) out[key] = std::move(*merged);
      }
      return out;
    }
    Conflict("property " + path, JsonText(b), JsonText(o), JsonText(t));
    return copy(o);
  }

  const DesignModel* mSides[3];  // base, ours, theirs
  const DesignTable& mTable;
  size_t mIndex;
  std::vector<MergeConflict>& mConflicts;
  const RowKey* mKey = nullptr;
};

}  // namespace

std::string MergeConflict::Text() const {
  if (what.empty()) return where + ": " + ours + ", " + theirs;
  return where + ": " + what + ": base " + base + ", ours " + ours + ", theirs " + theirs;
}

DesignMerge MergeDesigns(const DesignModel& base, const DesignModel& ours, const DesignModel& theirs) {
  DesignMerge result{DesignModel::Empty(), {}};
  for (size_t i = 0; i < result.merged.Tables().size(); ++i) {
    TableMerge(base, ours, theirs, i, result.conflicts).Into(result.merged.Tables()[i]);
  }
  return result;
}

}  // namespace brisklet
