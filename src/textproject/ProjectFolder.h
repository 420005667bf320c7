// A text project on disk: its folder's files read and written, and the project database kept
// beside them (.brisklet/project.db, ignored by git) brought up to date from the files that
// changed since it last was.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "textproject/TextForm.h"

namespace brisklet {

class Connection;

// Whether a path names a text project folder (a folder holding project.toml).
bool IsTextProjectFolder(const std::string& path);
// The project database kept inside a text project folder.
std::string StoreOfFolder(const std::string& folder);

// Every file of the folder, by its path in it (the store and .git left out).
ProjectFiles ReadFolder(const std::string& folder);
// Writes the files into the folder: only those whose bytes differ (so an unchanged file keeps its
// time), removing the form's files the set no longer has, and a .gitignore for the store when
// the folder has none. Returns how many files it wrote or removed.
size_t WriteFolder(const std::string& folder, const ProjectFiles& files);

struct SyncResult {
  std::string database;        // the store's path
  size_t filesRead = 0;        // files parsed
  size_t rowsChanged = 0;      // design rows inserted, updated or deleted
  bool whole = false;          // every file was read (else only changed display files)
  std::vector<TextProblem> problems;  // the files' mistakes, all of them: nothing was changed
};

// Brings the folder's store up to date from its files: the display files that changed are
// read alone; a change to any other file reads them all. When the files hold mistakes the
// store is left as it was and the result lists them.
SyncResult SyncTextProject(const std::string& folder);

// Imports a whole text form into a project database, changing only the rows that differ, in
// one transaction. When the form holds mistakes nothing is changed and the result lists them.
struct ImportResult {
  size_t rowsChanged = 0;
  std::vector<TextProblem> problems;
};
ImportResult ImportTextForm(Connection& conn, const ProjectFiles& files);

// Where the text form writes an element (or, for id 0 or an element it does not know, the
// display), for diagnostics: "displays/home.toml", line 42, column 1. Nothing when the project
// is no text project's store or does not know either.
std::optional<TextLocation> PlaceInText(Connection& store, int64_t elementId, int64_t displayId);

}  // namespace brisklet
