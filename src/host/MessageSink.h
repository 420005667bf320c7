// The compiler-message sink the host sets as CompMsg; each message arrives twice,
// as a compile message and as an output line.
#pragma once
#include <string>

namespace brisklet {

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void AddCompileMessage(int source, int category, int severity, int moduleId, int displayId,
                                 const std::string& moduleName, const std::string& location, int reserved,
                                 const std::string& message) = 0;
  virtual void AddOutputMessage(int category, int severity, const std::string& moduleName, const std::string& location,
                                const std::string& message, int moduleId, int displayId) = 0;

 protected:
  MessageSink() = default;
};

}  // namespace brisklet
