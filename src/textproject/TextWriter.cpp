// Writing the text form: each table's rows in key order, each column on its own line (only
// those that differ from the column's default), so that one edit is one changed line.
#include <set>

#include "base/RuntimeError.h"
#include "host/ZlibDecompressor.h"
#include "textproject/PictureFiles.h"
#include "textproject/TextForm.h"
#include "textproject/TextValues.h"

namespace brisklet {
namespace {

// A name as a file name: lower-case letters and digits, words joined by '-'.
std::string Slug(const std::string& name) {
  std::string slug;
  for (char c : name) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) slug += c;
    else if (c >= 'A' && c <= 'Z') slug += static_cast<char>(c + 32);
    else if (!slug.empty() && slug.back() != '-') slug += '-';
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  return slug.substr(0, 60);
}

int64_t IntOf(const Value& v) { return v.IntegerPtr() ? *v.IntegerPtr() : 0; }

class Writer {
 public:
  explicit Writer(const DesignModel& design) : mDesign(design) {}

  ProjectFiles Files() {
    WriteProject();
    WriteSimple(kTextsFile, "# The project's text table, which linked texts name by index.\n",
                {{"ProjectTexts", "text"}});
    WriteSimple(kTrendsFile, "# The trends and their curves (trend N owns the curves (N-1)*8+1 to N*8).\n",
                {{"Trends", "trend"}, {"Curves", "curve"}});
    WriteFonts();
    WriteImages();
    WriteDisplays();
    WriteOrphans();
    return std::move(mFiles);
  }

 private:
  const DesignTable& T(const char* name) const { return mDesign.Table(name); }

  // The columns of a row, one a line: key columns always, the others where not the default.
  void Columns(std::string& out, const DesignTable& table, const Row& row, const std::set<std::string>& skip) {
    for (size_t i = 0; i < table.columns.size(); ++i) {
      const std::string& column = table.columns[i];
      if (skip.count(column)) continue;
      bool key = std::find(table.keyColumns.begin(), table.keyColumns.end(), i) != table.keyColumns.end();
      if (!key && row[i] == table.defaults[i]) continue;
      out += TomlKey(column) + " = " + ValueText(table, i, row[i]) + "\n";
    }
  }

  // A row as an inline table, for rows that belong to another (pictures, backgrounds).
  std::string Inline(const DesignTable& table, const Row& row, const std::set<std::string>& skip) {
    std::string out;
    for (size_t i = 0; i < table.columns.size(); ++i) {
      if (skip.count(table.columns[i]) || row[i] == table.defaults[i]) continue;
      out += (out.empty() ? "{ " : ", ") + TomlKey(table.columns[i]) + " = " + ValueText(table, i, row[i]);
    }
    return out.empty() ? "{}" : out + " }";
  }

  // Columns that hold a file's bytes are written as the file, named by the row.
  std::string ValueText(const DesignTable& table, size_t column, const Value& value) {
    const std::string& name = table.columns[column];
    const Bytes* bytes = value.BytesPtr();
    if (bytes && table.name == "tblFonts" && name == "FontFile") return TomlString(FontPath(*bytes));
    if (!bytes && (name == "FontFile" || name == "Data8bpp") && value.TextPtr()) {
      return "{ text-bytes = \"" + Base64(*value.TextPtr()) + "\" }";
    }
    return TomlValue(value, table.types[column]);
  }

  std::string FontPath(const Bytes& bytes) {
    std::string data(bytes.begin(), bytes.end());
    auto known = mFontPaths.find(data);
    if (known != mFontPaths.end()) return known->second;
    std::string base = "fonts/" + (mFontName.empty() ? std::string("font") : Slug(mFontName));
    std::string extension = data.compare(0, 4, "OTTO") == 0 ? ".otf" : ".ttf";
    std::string path = base + extension;
    for (int n = 2; mFiles.count(path); ++n) path = base + "-" + std::to_string(n) + extension;
    mFiles[path] = data;
    mFontPaths.emplace(data, path);
    return path;
  }

  // A picture's pixels as a PNG named by its number; the packed bytes themselves beside it when
  // packing the pixels again would not give them back (or they are no picture at all).
  std::string ImageLines(const Row& row) {
    const DesignTable& images = T("ProjectImages");
    const Value& data = row[images.ColumnIndex("Data8bpp")];
    const Bytes* packed = data.BytesPtr();
    if (!packed) return data == images.defaults[images.ColumnIndex("Data8bpp")] ? "" : "Data8bpp = " + ValueText(images, images.ColumnIndex("Data8bpp"), data) + "\n";
    std::string base = "images/" + std::to_string(IntOf(row[0]));
    std::string png = PngOf(row, *packed);
    if (!png.empty()) mFiles[base + ".png"] = png;
    if (!png.empty() && PackPixels(mPixels) == *packed) return "Data8bpp = " + TomlString(base + ".png") + "\n";
    mFiles[base + ".zlib"] = std::string(packed->begin(), packed->end());
    std::string lines = "Data8bpp = " + TomlString(base + ".zlib") + "\n";
    return png.empty() ? lines : lines + "png = " + TomlString(base + ".png") + "  # to look at: the pixels are the .zlib's\n";
  }

  // The PNG of a picture's packed pixels ("" when they are no picture the PNG form can show).
  std::string PngOf(const Row& row, const Bytes& packed) {
    const DesignTable& images = T("ProjectImages");
    const Value& bits = row[images.ColumnIndex("Bits")];
    const Value& width = row[images.ColumnIndex("Width")];
    int32_t status = 0;
    mPixels.clear();
    ZlibDecompressor().Uncompress(packed, mPixels, true, status);
    if (status != 0 || mPixels.empty() || !bits.IntegerPtr() || (*bits.IntegerPtr() != 8 && *bits.IntegerPtr() != 16)) {
      return "";
    }
    Picture picture{static_cast<int32_t>(*bits.IntegerPtr()), 0, mPixels};
    size_t count = mPixels.size() / (picture.bits / 8);
    bool known = width.IntegerPtr() && *width.IntegerPtr() > 0 && *width.IntegerPtr() <= 32767;
    picture.width = known ? static_cast<uint32_t>(*width.IntegerPtr()) : WidthForPixels(count);
    try {
      return PngOfPicture(picture);
    } catch (const RuntimeError&) {
      return "";
    }
  }

  void WriteProject() {
    std::string out =
        "# A Brisklet project in text form: `brisklet import` reads it, `brisklet compile` compiles it.\n"
        "# Settings, display modules, palettes and loader functions; each display has its file in displays/.\n"
        "format = " + std::to_string(kFormatVersion) + "\n";
    const DesignTable& settings = T("ProjectSettings");
    if (!settings.rows.empty()) out += "\n[settings]\n";
    for (const auto& [key, row] : settings.rows) {
      out += TomlKey(row[0].TextPtr() ? *row[0].TextPtr() : row[0].SqlText()) + " = " + TomlValue(row[1]) + "\n";
    }
    Sections(out, {{"DispModules", "module"}, {"HMI_Palettes", "palette"}, {"LdrFunctions", "loader-function"}});
    mFiles[kProjectFile] = out;
  }

  void Sections(std::string& out, const std::vector<std::pair<const char*, const char*>>& tables) {
    for (const auto& [table, section] : tables) {
      for (const auto& [key, row] : T(table).rows) {
        out += std::string("\n[[") + section + "]]\n";
        Columns(out, T(table), row, {});
      }
    }
  }

  void WriteSimple(const char* file, const std::string& heading,
                   const std::vector<std::pair<const char*, const char*>>& tables) {
    std::string out = heading;
    Sections(out, tables);
    mFiles[file] = out;
  }

  void WriteFonts() {
    std::string out = "# The fonts: their rows (the font file beside, in fonts/) and the advance of each character.\n";
    const DesignTable& fonts = T("tblFonts");
    size_t nameColumn = fonts.ColumnIndex("FontName");
    for (const auto& [key, row] : fonts.rows) {
      mFontName = row[nameColumn].TextPtr() ? *row[nameColumn].TextPtr() : "";
      out += "\n[[font]]\n";
      Columns(out, fonts, row, {});
    }
    // The advances by font number and character code, one a line.
    int64_t font = INT64_MIN;
    for (const auto& [key, row] : T("tblFontGlyphs").rows) {
      if (!row[0].IntegerPtr() || !row[1].IntegerPtr()) {
        out += "\n[[glyph]]\n";
        Columns(out, T("tblFontGlyphs"), row, {});
        continue;
      }
      if (IntOf(row[0]) != font) {
        font = IntOf(row[0]);
        out += "\n[glyphs." + TomlKey(std::to_string(font)) + "]\n";
      }
      out += TomlKey(std::to_string(IntOf(row[1]))) + " = " + TomlValue(row[2], "INTEGER") + "\n";
    }
    mFiles[kFontsFile] = out;
  }

  void WriteImages() {
    std::string out = "# The project's pictures, by number; their pixels are in images/.\n";
    const DesignTable& images = T("ProjectImages");
    for (const auto& [key, row] : images.rows) {
      out += "\n[[image]]\n";
      Columns(out, images, row, {"Data8bpp"});
      out += ImageLines(row);
    }
    mFiles[kImagesFile] = out;
  }

  std::string DisplayPath(const Row& page, std::set<std::string>& used) {
    const DesignTable& pages = T("Pages");
    const Value& description = page[pages.ColumnIndex("Description")];
    std::string slug = Slug(description.TextPtr() ? *description.TextPtr() : "");
    std::string id = std::to_string(IntOf(page[0]));
    if (slug.empty()) slug = "display-" + id;
    if (used.count(slug)) slug += "-" + id;
    used.insert(slug);
    return kDisplaysFolder + slug + ".toml";
  }

  void WriteDisplays() {
    const DesignTable& pages = T("Pages");
    const DesignTable& elements = T("HMI_Elements");
    const DesignTable& jumps = T("HMIJumps");
    // The rows of each display, found in one pass over each table.
    std::map<int64_t, std::vector<const Row*>> elementsOf, jumpsOf;
    size_t displayColumn = elements.ColumnIndex("DisplayID");
    for (const auto& [key, row] : elements.rows) {
      if (row[displayColumn].IntegerPtr()) elementsOf[IntOf(row[displayColumn])].push_back(&row);
    }
    size_t pageColumn = jumps.ColumnIndex("PageNum");
    for (const auto& [key, row] : jumps.rows) {
      if (row[pageColumn].IntegerPtr()) jumpsOf[IntOf(row[pageColumn])].push_back(&row);
    }
    std::set<std::string> used;
    for (const auto& [key, page] : pages.rows) {
      int64_t id = IntOf(page[0]);
      mWritten.insert(id);
      std::string out = "# A display and its elements; moving, adding or removing an element is an edit of this file.\n";
      out += "[display]\n";
      Columns(out, pages, page, {});
      auto background = T("PagesAndImages").rows.find({Value(id)});
      if (background != T("PagesAndImages").rows.end()) {
        out += "background = " + Inline(T("PagesAndImages"), background->second, {"Page_ID"}) + "\n";
      }
      for (const Row* jump : jumpsOf[id]) {
        out += "\n[[jump]]\n";
        Columns(out, jumps, *jump, {"PageNum"});
      }
      for (const Row* element : elementsOf[id]) {
        out += "\n[[element]]\n";
        WriteElement(out, *element, {"DisplayID"});
      }
      mFiles[DisplayPath(page, used)] = out;
    }
  }

  void WriteElement(std::string& out, const Row& row, const std::set<std::string>& skip) {
    const DesignTable& elements = T("HMI_Elements");
    size_t binary = elements.ColumnIndex("Binary");
    auto properties = PropertiesOf(row[binary]);
    std::set<std::string> omit = skip;
    if (properties) omit.insert("Binary");
    Columns(out, elements, row, omit);
    if (properties && properties->empty()) out += "properties = {}\n";
    if (properties) WriteProperties(out, "properties", *properties);
    std::string pictures;
    const DesignTable& images = T("ElementsAndImages");
    auto from = images.rows.lower_bound({row[0]});
    for (auto it = from; it != images.rows.end() && it->first[0] == row[0]; ++it) {
      pictures += "  " + Inline(images, it->second, {"Element_ID"}) + ",\n";
      mPictured.insert(it->first);
    }
    if (!pictures.empty()) out += "pictures = [\n" + pictures + "]\n";
  }

  // Rows whose display or element the project does not have, kept so that nothing is lost.
  void WriteOrphans() {
    std::string out;
    const DesignTable& elements = T("HMI_Elements");
    size_t displayColumn = elements.ColumnIndex("DisplayID");
    for (const auto& [key, row] : elements.rows) {
      if (!row[displayColumn].IntegerPtr() || !mWritten.count(IntOf(row[displayColumn]))) {
        out += "\n[[element]]\n";
        WriteElement(out, row, {});
      }
    }
    const DesignTable& jumps = T("HMIJumps");
    size_t pageColumn = jumps.ColumnIndex("PageNum");
    for (const auto& [key, row] : jumps.rows) {
      if (!row[pageColumn].IntegerPtr() || !mWritten.count(IntOf(row[pageColumn]))) {
        out += "\n[[jump]]\n";
        Columns(out, jumps, row, {});
      }
    }
    for (const auto& [key, row] : T("PagesAndImages").rows) {
      if (!key[0].IntegerPtr() || !mWritten.count(IntOf(key[0]))) {
        out += "\n[[background]]\n";
        Columns(out, T("PagesAndImages"), row, {});
      }
    }
    for (const auto& [key, row] : T("ElementsAndImages").rows) {
      if (!mPictured.count(key)) {
        out += "\n[[picture]]\n";
        Columns(out, T("ElementsAndImages"), row, {});
      }
    }
    if (!out.empty()) {
      mFiles[kOrphansFile] = "# Rows whose display or element the project does not have, kept as they are.\n" + out;
    }
  }

  const DesignModel& mDesign;
  ProjectFiles mFiles;
  std::map<std::string, std::string> mFontPaths;  // by the file's bytes
  std::string mFontName;
  Bytes mPixels;  // of the picture last unpacked
  std::set<int64_t> mWritten;  // displays that have a file
  std::set<RowKey, RowKeyLess> mPictured;
};

}  // namespace

ProjectFiles WriteTextForm(const DesignModel& design) { return Writer(design).Files(); }

bool IsDisplayFile(const std::string& path) {
  return path.rfind(kDisplaysFolder, 0) == 0 && path.size() > 5 && path.compare(path.size() - 5, 5, ".toml") == 0;
}

}  // namespace brisklet
