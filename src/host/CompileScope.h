// Brackets one whole compile run.
#pragma once

namespace brisklet {

class CompileScope {
 public:
  virtual ~CompileScope() = default;
  virtual void Begin() = 0;
  virtual int Prepare() = 0;
  // The run is over: what it did is made to last. A failure here is a RuntimeError (a scope
  // that ends without End, as when a run fails part-way, keeps what it can without a word).
  virtual void End() {}

 protected:
  CompileScope() = default;
};

}  // namespace brisklet
