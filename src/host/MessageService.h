// The host's numbered message catalogue: shows a message, or gives its text, with the
// parameters substituted.
#pragma once
#include <string>
#include <vector>

#include "database/Value.h"

namespace brisklet {

using ParamList = std::vector<Value>;

class MessageService {
 public:
  virtual ~MessageService() = default;
  // pParams is the caller's whole parameter list passed on as one element.
  virtual int ShowMessage(int pID, const std::vector<ParamList>& pParams) = 0;
  virtual std::string MessageText(int pID, const std::vector<ParamList>& pParams) = 0;

 protected:
  MessageService() = default;
};

}  // namespace brisklet
