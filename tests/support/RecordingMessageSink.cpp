// Recording sink.
#include "support/RecordingMessageSink.h"

namespace brisklet::test {

void RecordingMessageSink::AddCompileMessage(int source, int category, int severity, int moduleId, int displayId,
                                             const std::string& moduleName, const std::string& location, int reserved,
                                             const std::string& message) {
  calls.push_back("AddCompileMessage(" + std::to_string(source) + "," + std::to_string(category) + "," +
                  std::to_string(severity) + "," + std::to_string(moduleId) + "," + std::to_string(displayId) + "," +
                  moduleName + "," + location + "," + std::to_string(reserved) + "," + message + ")");
}

void RecordingMessageSink::AddOutputMessage(int category, int severity, const std::string& moduleName,
                                            const std::string& location, const std::string& message, int moduleId,
                                            int displayId) {
  calls.push_back("AddOutputMessage(" + std::to_string(category) + "," + std::to_string(severity) + "," + moduleName +
                  "," + location + "," + message + "," + std::to_string(moduleId) + "," + std::to_string(displayId) +
                  ")");
  messages.push_back({severity, moduleId, moduleName, location, message, displayId});
}

std::vector<std::string> RecordingMessageSink::Texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.message);
  return out;
}

}  // namespace brisklet::test
