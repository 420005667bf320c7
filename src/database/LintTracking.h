// The tables in which our own checks (lint/) keep their findings between compiles, and the
// triggers that note, whatever program edits the project, which displays they must look at again.
#pragma once
#include <string>

namespace brisklet {

// The kinds of entries in CompileLintEdits, with what their key is.
inline constexpr const char* kLintEditDisplay = "display";  // a Pages.Id
inline constexpr const char* kLintEditElement = "element";  // an HMI_Elements.ID (its pictures)
inline constexpr const char* kLintEditGuid = "guid";        // a DownloadDLUs.Guid that came, went or changed
inline constexpr const char* kLintEditModule = "module";    // a DispModules.ModuleID
inline constexpr const char* kLintEditTable =
    "table";  // a table read beyond the displays ("Pages": the set of displays)

// The tables and their triggers (CREATE ... IF NOT EXISTS, so it can run again).
std::string LintTrackingScript();

}  // namespace brisklet
