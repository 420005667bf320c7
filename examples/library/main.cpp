// Compiles a project with the Brisklet library and prints its messages and stored units.
#include <brisklet/base/RuntimeError.h>
#include <brisklet/component/clsDownload.h>
#include <brisklet/database/Connection.h>
#include <brisklet/host/DefaultHost.h>

#include <iostream>

// Prints every error and warning as the compiler reports it.
struct PrintingSink : brisklet::MessageSink {
  void AddCompileMessage(int, int, int, int, int, const std::string&, const std::string&, int,
                         const std::string&) override {}
  void AddOutputMessage(int, int severity, const std::string& module, const std::string& location,
                        const std::string& message, int, int) override {
    std::cout << (severity == 0 ? "error: " : "warning: ") << module << " / " << location << ": " << message << '\n';
  }
};

int main(int argc, char** argv) {
  if (argc != 2) return std::cerr << "usage: compile_project PROJECT.db\n", 2;
  try {
    auto project = brisklet::Connection::Open(argv[1]);
    brisklet::DefaultHost host(*project);
    brisklet::clsDownload compiler(host);
    compiler.SetCompMsg(std::make_shared<PrintingSink>());
    compiler.CompileHMI();
    std::cout << host.UnitsStored() << " units stored, " << compiler.ErrorCount() << " errors\n";
    return compiler.ErrorCount() > 0 ? 1 : 0;
  } catch (const brisklet::RuntimeError& e) {
    std::cerr << e.Describe() << '\n';
    return 2;
  }
}
