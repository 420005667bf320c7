// Printing compiler messages.
#include "Diagnostics.h"

#include <nlohmann/json.hpp>

namespace brisklet::cli {

void StreamSink::AddOutputMessage(int, int severity, const std::string& moduleName, const std::string& location,
                                  const std::string& message, int moduleId, int displayId) {
  const char* kind = severity == 0 ? "error" : "warning";
  if (mJson) {
    nlohmann::json line = {{"severity", kind},     {"module_id", moduleId}, {"module", moduleName},
                           {"location", location}, {"message", message},    {"display_id", displayId}};
    mOut << line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
  } else {
    mOut << kind << ": " << moduleName << " / " << location << ": " << message << '\n';
  }
}

}  // namespace brisklet::cli
