// Where the compiler's design messages go with their structure: the rule, the element and the
// display each is about, beside the text. Set on clsDownload with SetFindingSink.
#pragma once
#include <memory>

#include "host/DesignMessage.h"
#include "host/MessageSink.h"

namespace brisklet {

class FindingSink {
 public:
  virtual ~FindingSink() = default;
  FindingSink(const FindingSink&) = delete;
  FindingSink& operator=(const FindingSink&) = delete;
  virtual void AddFinding(const DesignMessage& finding) = 0;

 protected:
  FindingSink() = default;
};

// The system's message sink served from the findings: each one as a compile message, then
// as an output line.
class MessageSinkAdapter : public FindingSink {
 public:
  explicit MessageSinkAdapter(std::shared_ptr<MessageSink> sink) : mSink(std::move(sink)) {}
  void AddFinding(const DesignMessage& f) override {
    mSink->AddCompileMessage(5, 0, f.severity, f.moduleId, f.displayId, f.moduleName, f.location, 0, f.message);
    mSink->AddOutputMessage(0, f.severity, f.moduleName, f.location, f.message, f.moduleId, f.displayId);
  }

 private:
  std::shared_ptr<MessageSink> mSink;
};

}  // namespace brisklet
