// The text form of a project: a folder of TOML files (one per display, and one each for the
// settings, texts, trends, fonts and images) with the font files and pictures beside them.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "textproject/DesignModel.h"

namespace brisklet {

// The files of a text project by their path in the folder ("displays/home.toml"), with their bytes.
using ProjectFiles = std::map<std::string, std::string>;

// The file names of the form.
inline constexpr char kProjectFile[] = "project.toml";
inline constexpr char kTextsFile[] = "texts.toml";
inline constexpr char kTrendsFile[] = "trends.toml";
inline constexpr char kFontsFile[] = "fonts.toml";
inline constexpr char kImagesFile[] = "images.toml";
inline constexpr char kOrphansFile[] = "orphans.toml";
inline constexpr char kDisplaysFolder[] = "displays/";
inline constexpr int64_t kFormatVersion = 1;

// Every file of the text form of a design, in a stable order and spelling.
ProjectFiles WriteTextForm(const DesignModel& design);

struct TextLocation {
  std::string file;
  int line = 0;
  int column = 0;
  std::string Describe() const;  // "displays/home.toml:42:5"
};

struct TextProblem {
  TextLocation at;
  std::string message;
  std::string Describe() const;  // "displays/home.toml:42:5: error: ..."
};

// What reading a text form gives: the design, every mistake found (nothing is imported when
// there is one), and where each display and element is written.
struct TextRead {
  DesignModel design = DesignModel::Empty();
  std::vector<TextProblem> problems;
  std::vector<std::string> notices;          // what the reader made of files no entry names
  std::map<int64_t, TextLocation> displays;  // by Pages.Id
  std::map<int64_t, TextLocation> elements;  // by HMI_Elements.ID
};

// Reads the files given. With `whole`, they are the whole project (project.toml must be there);
// without, only display files, whose rows are read alone.
TextRead ReadTextForm(const ProjectFiles& files, bool whole = true);

// Whether a path of the folder is a file of the form that a display owns.
bool IsDisplayFile(const std::string& path);

}  // namespace brisklet
