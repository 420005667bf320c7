// Taking turns on a connection.
#include "database/TurnLock.h"

namespace brisklet {

void TurnLock::lock() {
  std::thread::id me = std::this_thread::get_id();
  if (mOwner.load(std::memory_order_relaxed) == me) {
    ++mDepth;
    return;
  }
  bool got = false;
  for (int i = 0; i < 20000 && !got; ++i) {
    // Looking costs the holder nothing; trying takes the lock's cache line from it.
    got = mOwner.load(std::memory_order_relaxed) == std::thread::id() && mMutex.try_lock();
#if defined(__x86_64__) || defined(__i386__)
    if (!got) __builtin_ia32_pause();
#endif
  }
  if (!got) mMutex.lock();
  mOwner.store(me, std::memory_order_relaxed);
  mDepth = 1;
}

void TurnLock::unlock() {
  if (--mDepth > 0) return;
  mOwner.store(std::thread::id(), std::memory_order_relaxed);
  mMutex.unlock();
}

}  // namespace brisklet
