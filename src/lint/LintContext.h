// What our own checks read besides the design tables: the project's screen and code page.
#pragma once
#include <cstdint>
#include <string>

namespace brisklet {

class Connection;
class HostFactory;

struct LintContext {
  Connection& db;
  int32_t screenWidth = 320;
  int32_t screenHeight = 240;
  int32_t codePage = 1252;
  // A query of the IDs of the displays to look at ("": all of them). The checks then find only
  // what is about those displays; what is about the project as a whole is left out.
  std::string displays;
};

// The screen width and code page as the compiler's host services give them, the screen height
// as the preview reads it (ScreenHeight, three quarters of the width without a setting).
LintContext ContextOf(Connection& db, HostFactory& host);

}  // namespace brisklet
