// The project's text table, as the linked text blocks count its entries.
#pragma once
#include <cstdint>

namespace brisklet {

class Connection;

class TextService {
 public:
  virtual ~TextService() = default;
  virtual int32_t AttachConnection(Connection& conn, bool flag) = 0;
  virtual int32_t BeginTextQuery(int32_t& handle) = 0;
  virtual int32_t TextQueryCount() = 0;
  virtual int32_t EndTextQuery(int32_t handle) = 0;

 protected:
  TextService() = default;
};

}  // namespace brisklet
