// The rows our own checks read an element or display from: the columns and join that place it
// (its module and display names, for the finding), the filter of what reaches the download, and
// values read without conversions that could fail (a broken column is the compile's to report).
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "database/Recordset.h"
#include "lint/LintContext.h"
#include "lint/LintFinding.h"

namespace brisklet {

// "SELECT " kElementPlace [", " own columns] kElementsOnDisplays " WHERE " Downloaded ...: the
// elements of existing displays, each with its display and module.
inline constexpr const char* kElementPlace =
    "HMI_Elements.ID AS ElementID, HMI_Elements.GUID AS ElementGUID, HMI_Elements.Text AS ElementName, "
    "HMI_Elements.DisplayID AS DisplayID, Pages.Description AS DisplayName, Pages.ModuleID AS ModuleID, "
    "DispModules.ModuleName AS ModuleName";
inline constexpr const char* kElementsOnDisplays =
    " FROM HMI_Elements INNER JOIN Pages ON HMI_Elements.DisplayID = Pages.Id LEFT JOIN DispModules ON "
    "Pages.ModuleID = DispModules.ModuleID";
// "SELECT " kDisplayPlace [", " own columns] kDisplays " WHERE " Downloaded ...
inline constexpr const char* kDisplayPlace =
    "Pages.Id AS DisplayID, Pages.GUID AS DisplayGUID, Pages.Description AS DisplayName, Pages.ModuleID AS ModuleID, "
    "DispModules.ModuleName AS ModuleName";
inline constexpr const char* kDisplays = " FROM Pages LEFT JOIN DispModules ON Pages.ModuleID = DispModules.ModuleID";
// Displays of module -1 (and their elements) never reach the download.
inline constexpr const char* kDownloaded = "COALESCE(Pages.ModuleID, 0) <> -1";
// kDownloaded, narrowed to the displays the context looks at.
std::string Downloaded(const LintContext& context);

// A whole number of 32 bits, nothing for Null, a text, a fraction or a larger number.
std::optional<int32_t> WholeOf(const Value& v);
// A text, "" for anything else.
std::string TextOf(const Value& v);

// A finding about the element (or the display) of a row read with kElementPlace (kDisplayPlace),
// found by the given part of its check.
LintFinding ElementFinding(const Recordset& row, int32_t rule, std::string message, int32_t part = 0);
LintFinding DisplayFinding(const Recordset& row, int32_t rule, std::string message, int32_t part = 0);

// "'Start'": an element as a message names it (the finding's place gives its ID).
std::string ElementNamed(const Recordset& row);

}  // namespace brisklet
