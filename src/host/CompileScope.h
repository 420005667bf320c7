// Brackets one whole compile run.
#pragma once

namespace brisklet {

class CompileScope {
 public:
  virtual ~CompileScope() = default;
  virtual void Begin() = 0;
  virtual int Prepare() = 0;

 protected:
  CompileScope() = default;
};

}  // namespace brisklet
