// Default message box: the text goes to the diagnostics as a notice; the answer is OK.
#pragma once
#include <functional>

#include "host/MessageBox.h"

namespace brisklet {

class NoticeMessageBox : public MessageBox {
 public:
  explicit NoticeMessageBox(std::function<void(const std::string&)> notice) : mNotice(std::move(notice)) {}
  int Show(const std::string& text) override {
    mNotice(text);
    return kMsgBoxOk;
  }

 private:
  std::function<void(const std::string&)> mNotice;
};

}  // namespace brisklet
