// Default project environment: the connection the host opened and the calendar folder.
#pragma once
#include <string>

#include "host/ProjectEnvironment.h"

namespace brisklet {

class ConnectionEnvironment : public ProjectEnvironment {
 public:
  ConnectionEnvironment(Connection& conn, std::string stringsFolder)
      : mConn(conn), mStringsFolder(std::move(stringsFolder)) {}
  Connection& GetProjectConnection() override { return mConn; }
  std::string GetStringsFolder() override { return mStringsFolder; }

 private:
  Connection& mConn;
  std::string mStringsFolder;
};

}  // namespace brisklet
