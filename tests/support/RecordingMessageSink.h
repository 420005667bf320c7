// A message sink that records every call, in order, for the tests to compare.
#pragma once
#include <string>
#include <vector>

#include "host/MessageSink.h"

namespace brisklet::test {

struct RecordedMessage {
  int severity;
  int moduleId;
  std::string moduleName;
  std::string location;
  std::string message;
  int displayId;
};

class RecordingMessageSink : public MessageSink {
 public:
  void AddCompileMessage(int source, int category, int severity, int moduleId, int displayId,
                         const std::string& moduleName, const std::string& location, int reserved,
                         const std::string& message) override;
  void AddOutputMessage(int category, int severity, const std::string& moduleName, const std::string& location,
                        const std::string& message, int moduleId, int displayId) override;

  std::vector<std::string> calls;         // every call with all its arguments, in order
  std::vector<RecordedMessage> messages;  // one per AddOutputMessage
  std::vector<std::string> Texts() const;
};

}  // namespace brisklet::test
