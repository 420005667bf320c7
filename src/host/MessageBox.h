// The host's message box. A library must never block on a modal window: the default
// sends the text to the diagnostics as a notice and answers OK.
#pragma once
#include <string>

namespace brisklet {

constexpr int kMsgBoxOk = 1;  // the "OK" answer of a message box

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual int Show(const std::string& text) = 0;

 protected:
  MessageBox() = default;
};

}  // namespace brisklet
