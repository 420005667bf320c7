// Default text service over the project's text table ProjectTexts: a linked text of
// operand type 0 is an index into it, and the panel needs one anchor per entry.
#pragma once
#include <optional>

#include "host/TextService.h"

namespace brisklet {

class TextTableService : public TextService {
 public:
  // With a place to keep it, the table is counted once for all the queries that place lasts
  // (the host keeps it for one call: nothing in a compile changes the table).
  explicit TextTableService(std::optional<int32_t>* countKept = nullptr) : mCountKept(countKept) {}
  int32_t AttachConnection(Connection& conn, bool flag) override;
  int32_t BeginTextQuery(int32_t& handle) override;
  int32_t TextQueryCount() override;
  int32_t EndTextQuery(int32_t handle) override;

 private:
  Connection* mConn = nullptr;
  int32_t mCount = 0;
  int32_t mOpenQueries = 0;
  std::optional<int32_t>* mCountKept;
};

}  // namespace brisklet
