// Reading the text form back: every file parsed, every row checked against its table, and
// every mistake reported with its file, line and column, so that one run shows them all.
#include <algorithm>
#include <tuple>
#include <set>

#include "base/RuntimeError.h"
#include "textproject/ImageEntries.h"
#include "textproject/TextForm.h"
#include "textproject/TextValues.h"

namespace brisklet {
namespace {

TextLocation At(const std::string& file, const toml::source_region& where) {
  return {file, static_cast<int>(where.begin.line), static_cast<int>(where.begin.column)};
}

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

// What a table's rows are called in the files.
std::string RowName(const std::string& table) {
  static const std::map<std::string, std::string> names = {
      {"DispModules", "module"},       {"HMI_Palettes", "palette"},   {"LdrFunctions", "loader-function"},
      {"ProjectTexts", "text"},        {"Trends", "trend"},           {"Curves", "curve"},
      {"tblFonts", "font"},            {"tblFontGlyphs", "glyph"},    {"ProjectImages", "image"},
      {"Pages", "display"},            {"PagesAndImages", "background"}, {"HMIJumps", "jump"},
      {"HMI_Elements", "element"},     {"ElementsAndImages", "picture"}, {"ProjectSettings", "setting"}};
  return names.at(table);
}

class Reader {
 public:
  Reader(const ProjectFiles& files, bool whole) : mFiles(files), mWhole(whole) {}

  TextRead Read() {
    if (mWhole && !mFiles.count(kProjectFile)) Problem({kProjectFile}, "the project has no project.toml");
    for (const auto& [path, bytes] : mFiles) {
      bool known = path == kProjectFile || path == kTextsFile || path == kTrendsFile || path == kFontsFile ||
                   path == kImagesFile || path == kOrphansFile || IsDisplayFile(path);
      if (!known || (!mWhole && !IsDisplayFile(path))) continue;
      try {
        toml::table doc = toml::parse(bytes, path);
        ReadFile(path, doc);
      } catch (const toml::parse_error& e) {
        Problem(At(path, e.source()), std::string(e.description()));
      }
    }
    if (mWhole) NewPictures();
    CheckGuids();
    std::stable_sort(mRead.problems.begin(), mRead.problems.end(), [](const TextProblem& a, const TextProblem& b) {
      return std::tie(a.at.file, a.at.line, a.at.column) < std::tie(b.at.file, b.at.line, b.at.column);
    });
    return std::move(mRead);
  }

 private:
  void Problem(TextLocation at, std::string message) { mRead.problems.push_back({std::move(at), std::move(message)}); }

  DesignTable& T(const char* name) { return mRead.design.Table(name); }

  void ReadFile(const std::string& path, const toml::table& doc) {
    mFile = path;
    if (path == kProjectFile) return ReadProject(doc);
    if (IsDisplayFile(path)) return ReadDisplay(doc);
    std::map<std::string, const char*> sections;
    if (path == kTextsFile) sections = {{"text", "ProjectTexts"}};
    if (path == kTrendsFile) sections = {{"trend", "Trends"}, {"curve", "Curves"}};
    if (path == kFontsFile) sections = {{"font", "tblFonts"}, {"glyph", "tblFontGlyphs"}};
    if (path == kImagesFile) sections = {{"image", "ProjectImages"}};
    if (path == kOrphansFile) {
      sections = {{"jump", "HMIJumps"}, {"background", "PagesAndImages"}, {"picture", "ElementsAndImages"}};
    }
    for (const auto& [key, node] : doc) {
      if (path == kFontsFile && key.str() == "glyphs") {
        ReadGlyphs(node);
      } else if (path == kOrphansFile && key.str() == "element" && node.is_array_of_tables()) {
        for (const auto& entry : *node.as_array()) ReadElement(*entry.as_table(), std::nullopt);
      } else if (auto section = sections.find(std::string(key.str())); section != sections.end()) {
        ReadSection(node, section->second, key);
      } else {
        Problem(At(mFile, key.source()), "unknown key " + Quoted(key.str()));
      }
    }
  }

  void ReadProject(const toml::table& doc) {
    const std::map<std::string, const char*> sections = {
        {"module", "DispModules"}, {"palette", "HMI_Palettes"}, {"loader-function", "LdrFunctions"}};
    for (const auto& [key, node] : doc) {
      std::string name(key.str());
      if (name == "format") {
        auto version = node.as_integer();
        if (!version) Problem(At(mFile, node.source()), "format is a number");
        else if (version->get() != kFormatVersion) {
          Problem(At(mFile, node.source()), "format " + std::to_string(version->get()) +
                                                " is out of range: this brisklet reads format " +
                                                std::to_string(kFormatVersion));
        }
      } else if (name == "settings" && node.is_table()) {
        for (const auto& [setting, value] : *node.as_table()) {
          ReadValue v = ValueOfNode(value);
          if (!v.value) {
            Problem(At(mFile, value.source()), "setting " + Quoted(setting.str()) + ": " + v.error);
            continue;
          }
          Add(T("ProjectSettings"), {Value(std::string(setting.str())), *v.value}, At(mFile, setting.source()));
        }
      } else if (auto section = sections.find(name); section != sections.end()) {
        ReadSection(node, section->second, key);
      } else {
        Problem(At(mFile, key.source()), "unknown key " + Quoted(name));
      }
    }
  }

  void ReadSection(const toml::node& node, const char* table, const toml::key& key) {
    auto array = node.as_array();
    if (!array || !array->is_array_of_tables()) {
      Problem(At(mFile, key.source()), Quoted(key.str()) + " is a list of tables: write it as [[" +
                                           std::string(key.str()) + "]]");
      return;
    }
    bool images = std::string(table) == "ProjectImages";
    for (const auto& entry : *array) {
      Row row;
      mPendingPng.reset();
      if (images) Referenced(*entry.as_table());
      if (!ReadRow(*entry.as_table(), T(table), images ? std::set<std::string>{"png"} : std::set<std::string>{}, row)) {
        continue;
      }
      if (images && !PictureFromPng(row, At(mFile, entry.source()))) continue;
      Add(T(table), row, At(mFile, entry.source()));
    }
  }

  // The PNG an image entry names to be looked at only.
  void Referenced(const toml::table& entry) {
    if (auto png = entry.get_as<std::string>("png")) mReferenced.insert(png->get());
  }

  // An image entry whose pixels are a PNG (ImageEntries.h); every entry has its CRC then.
  bool PictureFromPng(Row& row, const TextLocation& at, bool newPicture = false) {
    DesignTable& images = T("ProjectImages");
    if (mPendingPng) {
      std::string wrong =
          PngIntoImageRow(images, row, mFiles.at(mPendingPng->first), mPendingPng->first, newPicture);
      if (!wrong.empty()) {
        Problem(mPendingPng->second, wrong);
        return false;
      }
    }
    if (row[images.ColumnIndex("CRC")].IsNull()) {
      Problem(at, "image has no CRC (and no PNG to compute it from)");
      return false;
    }
    return true;
  }

  // A PNG in images/ that no entry names: a new picture (16 bits), numbered after the others.
  void NewPictures() {
    DesignTable& images = T("ProjectImages");
    for (const auto& [path, bytes] : mFiles) {
      if (!IsLoosePicture(path) || mReferenced.count(path)) continue;
      Row row = NewImageRow(images);
      mPendingPng = {path, TextLocation{path}};
      if (!PictureFromPng(row, {path}, true)) continue;
      mRead.notices.push_back(path + ": a new picture, image " + row[0].SqlText() + " with CRC " +
                              row[images.ColumnIndex("CRC")].SqlText() + " (16 bits)");
      Add(images, row, {path});
    }
  }

  void ReadGlyphs(const toml::node& node) {
    auto fonts = node.as_table();
    if (!fonts) return Problem(At(mFile, node.source()), "glyphs is a table of fonts: [glyphs.N]");
    for (const auto& [font, advances] : *fonts) {
      int64_t number = 0;
      auto table = advances.as_table();
      if (!table || !ParseInt(font.str(), number)) {
        Problem(At(mFile, font.source()), "[glyphs.N] takes a font number and its characters' advances");
        continue;
      }
      for (const auto& [code, advance] : *table) {
        int64_t c = 0;
        ReadValue v = ValueOfNode(advance);
        if (!ParseInt(code.str(), c) || !v.value) {
          Problem(At(mFile, code.source()), "a glyph is a character code = its advance");
          continue;
        }
        Add(T("tblFontGlyphs"), {Value(number), Value(c), *v.value}, At(mFile, code.source()));
      }
    }
  }

  static bool ParseInt(std::string_view text, int64_t& n) {
    try {
      size_t used = 0;
      n = std::stoll(std::string(text), &used);
      return used == text.size();
    } catch (const std::exception&) {
      return false;
    }
  }

  void ReadDisplay(const toml::table& doc) {
    const toml::table* display = doc["display"].as_table();
    Row page;
    int64_t id = 0;
    bool known = display && ReadRow(*display, T("Pages"), {"background"}, page) && page[0].IntegerPtr();
    if (known) {
      id = *page[0].IntegerPtr();
      TextLocation at = At(mFile, display->source());
      mRead.displays.emplace(id, at);
      Add(T("Pages"), page, at);
      if (auto background = display->get("background")) ReadBackground(*background, id);
    } else if (!display) {
      Problem({mFile, 1, 1}, "the elements of a display that does not exist: the file has no [display] table");
    }
    for (const auto& [key, node] : doc) {
      std::string name(key.str());
      if (name == "display") continue;
      if (name != "element" && name != "jump") {
        Problem(At(mFile, key.source()), "unknown key " + Quoted(name));
        continue;
      }
      auto array = node.as_array();
      if (!array || !array->is_array_of_tables()) {
        Problem(At(mFile, key.source()), Quoted(name) + " is a list of tables: write it as [[" + name + "]]");
        continue;
      }
      for (const auto& entry : *array) {
        const toml::table& table = *entry.as_table();
        if (name == "jump") {
          Row row;
          if (ReadRow(table, T("HMIJumps"), {"PageNum"}, row) && known) {
            row[T("HMIJumps").ColumnIndex("PageNum")] = Value(id);
            Add(T("HMIJumps"), row, At(mFile, entry.source()));
          }
        } else {
          ReadElement(table, known ? std::optional<int64_t>(id) : std::nullopt);
        }
      }
    }
  }

  void ReadBackground(const toml::node& node, int64_t display) {
    Row row;
    if (!node.is_table()) return Problem(At(mFile, node.source()), "background is a table");
    if (ReadRow(*node.as_table(), T("PagesAndImages"), {"Page_ID"}, row)) {
      row[0] = Value(display);
      Add(T("PagesAndImages"), row, At(mFile, node.source()));
    }
  }

  void ReadElement(const toml::table& table, std::optional<int64_t> display) {
    DesignTable& elements = T("HMI_Elements");
    Row row;
    std::set<std::string> fixed = {"properties", "pictures"};
    if (display) fixed.insert("DisplayID");
    if (!ReadRow(table, elements, fixed, row)) return;
    if (display) row[elements.ColumnIndex("DisplayID")] = Value(*display);
    if (auto properties = table.get("properties")) {
      std::string error, where;
      auto json = JsonOfNode(*properties, error, where);
      if (!properties->is_table()) Problem(At(mFile, properties->source()), "properties is a table");
      else if (!json) Problem(At(mFile, properties->source()), "property " + Quoted(where) + ": " + error);
      else row[elements.ColumnIndex("Binary")] = Value(json->dump());
    }
    TextLocation at = At(mFile, table.source());
    if (row[0].IntegerPtr()) mRead.elements.emplace(*row[0].IntegerPtr(), at);
    Add(elements, row, at);
    if (auto pictures = table.get("pictures")) {
      auto array = pictures->as_array();
      if (!array) return Problem(At(mFile, pictures->source()), "pictures is a list of tables");
      for (const auto& entry : *array) {
        Row picture;
        if (!entry.is_table()) {
          Problem(At(mFile, entry.source()), "a picture is a table { Image_Index = ..., Image_CRC = ... }");
        } else if (ReadRow(*entry.as_table(), T("ElementsAndImages"), {"Element_ID"}, picture, true)) {
          picture[0] = row[0];
          Add(T("ElementsAndImages"), picture, At(mFile, entry.source()));
        }
      }
    }
  }

  // Reads a row's columns; `fixed` are keys the caller gives or reads itself. False when the
  // row cannot be taken (a problem has been reported).
  bool ReadRow(const toml::table& t, DesignTable& table, const std::set<std::string>& fixed, Row& row,
               bool keyGiven = false) {
    row = table.DefaultRow();
    bool ok = true;
    std::vector<bool> seen(table.columns.size(), false);
    for (const auto& [key, node] : t) {
      std::string name(key.str());
      if (fixed.count(name)) continue;
      size_t column = table.ColumnIndex(name);
      if (column == table.columns.size()) {
        Problem(At(mFile, key.source()), "unknown key " + Quoted(name) + " in " + RowName(table.name));
        ok = false;
        continue;
      }
      seen[column] = true;
      if (!ReadColumn(table, column, node, row[column])) ok = false;
    }
    for (size_t k = keyGiven ? 1 : 0; k < table.keyColumns.size(); ++k) {
      size_t column = table.keyColumns[k];
      if (!seen[column] && !fixed.count(table.columns[column])) {
        Problem(At(mFile, t.source()), RowName(table.name) + " has no " + table.columns[column]);
        ok = false;
      }
    }
    return ok;
  }

  bool ReadColumn(const DesignTable& table, size_t column, const toml::node& node, Value& out) {
    const std::string& name = table.columns[column];
    TextLocation at = At(mFile, node.source());
    if (auto path = node.as_string(); path && (name == "FontFile" || name == "Data8bpp")) {
      mReferenced.insert(path->get());
      auto file = mFiles.find(path->get());
      if (file == mFiles.end()) {
        Problem(at, "the file " + Quoted(path->get()) + " of " + name + " is missing");
        return false;
      }
      bool png = path->get().size() > 4 && path->get().compare(path->get().size() - 4, 4, ".png") == 0;
      if (png && name == "Data8bpp") {
        mPendingPng = {path->get(), at};
        out = Value();
      } else {
        out = Value(Bytes(file->second.begin(), file->second.end()));
      }
      return true;
    }
    ReadValue v = ValueOfNode(node);
    if (!v.value) {
      Problem(at, name + ": " + v.error);
      return false;
    }
    std::string wrong = ColumnValueError(name, table.types[column], *v.value, node.is_table());
    if (!wrong.empty()) {
      Problem(at, wrong);
      return false;
    }
    out = std::move(*v.value);
    return true;
  }

  void Add(DesignTable& table, Row row, TextLocation at) {
    RowKey key = table.KeyOf(row);
    auto& places = mPlaces[table.name];
    auto [it, added] = places.emplace(key, at);
    if (!added) {
      std::string shown;
      for (const Value& k : key) shown += (shown.empty() ? "" : ", ") + k.SqlText();
      Problem(at, "duplicate " + RowName(table.name) + " " + shown + " (first at " + it->second.Describe() + ")");
      return;
    }
    table.rows.emplace(std::move(key), std::move(row));
  }

  // GUIDs number the download's items: no two displays or elements share one (0 is none).
  void CheckGuids() {
    std::map<int64_t, TextLocation> seen;
    for (const char* name : {"Pages", "HMI_Elements"}) {
      DesignTable& table = T(name);
      size_t column = table.ColumnIndex("GUID");
      for (const auto& [key, row] : table.rows) {
        const int64_t* guid = row[column].IntegerPtr();
        if (!guid || *guid == 0) continue;
        const TextLocation& at = mPlaces[table.name].at(key);
        auto [it, added] = seen.emplace(*guid, at);
        if (!added) Problem(at, "duplicate GUID " + std::to_string(*guid) + " (first at " + it->second.Describe() + ")");
      }
    }
  }

  const ProjectFiles& mFiles;
  bool mWhole;
  std::string mFile;
  TextRead mRead;
  std::map<std::string, std::map<RowKey, TextLocation, RowKeyLess>> mPlaces;
  std::set<std::string> mReferenced;  // files the entries name
  std::optional<std::pair<std::string, TextLocation>> mPendingPng;  // of the image entry being read
};

}  // namespace

std::string TextLocation::Describe() const {
  if (line == 0) return file;
  return file + ":" + std::to_string(line) + ":" + std::to_string(column);
}

std::string TextProblem::Describe() const { return at.Describe() + ": error: " + message; }

TextRead ReadTextForm(const ProjectFiles& files, bool whole) { return Reader(files, whole).Read(); }

}  // namespace brisklet
