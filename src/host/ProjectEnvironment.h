// The host's view of the open project: its database connection and the folder of the
// environment's language files (the calendar texts).
#pragma once
#include <string>

namespace brisklet {

class Connection;

class ProjectEnvironment {
 public:
  virtual ~ProjectEnvironment() = default;
  virtual Connection& GetProjectConnection() = 0;
  virtual std::string GetStringsFolder() = 0;

 protected:
  ProjectEnvironment() = default;
  ProjectEnvironment(const ProjectEnvironment&) = delete;
  ProjectEnvironment& operator=(const ProjectEnvironment&) = delete;
};

}  // namespace brisklet
