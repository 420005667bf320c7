// The current host of the running call.
#include "host/HostFactory.h"

#include "base/RuntimeError.h"

namespace brisklet {
namespace {
thread_local HostFactory* tCurrent = nullptr;
}

HostFactory& CurrentHost() {
  if (!tCurrent) throw RuntimeError("No host", "a compiler service was used outside a compiler call");
  return *tCurrent;
}

ActiveHost::ActiveHost(HostFactory& host) : mPrevious(tCurrent) {
  if (mPrevious != &host) host.BeginPublicCall();
  tCurrent = &host;
}

ActiveHost::ActiveHost(HostFactory& host, SameCall) : mPrevious(tCurrent) { tCurrent = &host; }

ActiveHost::~ActiveHost() { tCurrent = mPrevious; }

}  // namespace brisklet
