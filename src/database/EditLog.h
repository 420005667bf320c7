// The edit log of a project: what the edits of any program touched since the last compile, in
// the table CompileEdits (What, Key), kept by triggers on every table a download record reads.
// The compile turns the log into marks on DownloadDLUs (component/EditMarks).
#pragma once
#include <string>
#include <vector>

namespace brisklet {

// The kinds of log entries, with what their key is.
inline constexpr const char* kEditItem = "item";                      // a GUID: its unit no longer holds
inline constexpr const char* kEditDisplay = "display";                // a Pages.Id: the display row changed
inline constexpr const char* kEditDisplayRecord = "display record";   // a Pages.Id: its record reads what changed
inline constexpr const char* kEditModule = "module";                  // a DispModules.ModuleID
inline constexpr const char* kEditPalette = "palette";                // an HMI_Palettes.ID
inline constexpr const char* kEditElementPictures = "element pictures";  // an HMI_Elements.ID
inline constexpr const char* kEditPicture = "picture";                // a ProjectImages.CRC
inline constexpr const char* kEditFunction = "function";              // an LdrFunctions.FuncID
inline constexpr const char* kEditAllElements = "all elements";       // fonts, texts, trends (key 0)
inline constexpr const char* kEditEverything = "everything";          // project settings (key 0)

// The log table and its triggers (CREATE ... IF NOT EXISTS, so it can run again).
std::string EditLogScript();
// The tables whose edits are logged.
std::vector<std::string> LoggedTableNames();

}  // namespace brisklet
