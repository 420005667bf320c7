// The message sink of the command-line tool: one line per message on stderr, as text
// ("error: Main / Setup: ...") or as a JSON object per line.
#pragma once
#include <ostream>

#include "host/MessageSink.h"

namespace brisklet::cli {

class StreamSink : public MessageSink {
 public:
  StreamSink(std::ostream& out, bool json) : mOut(out), mJson(json) {}
  void AddCompileMessage(int, int, int, int, int, const std::string&, const std::string&, int,
                         const std::string&) override {}
  void AddOutputMessage(int category, int severity, const std::string& moduleName, const std::string& location,
                        const std::string& message, int moduleId, int displayId) override;

 private:
  std::ostream& mOut;
  bool mJson;
};

}  // namespace brisklet::cli
