// A lock that the thread holding it may take again, for taking turns on a connection between
// two threads whose holds are short (a statement each): a waiting thread spins a while before
// it sleeps.
#pragma once
#include <atomic>
#include <mutex>
#include <thread>

namespace brisklet {

class TurnLock {
 public:
  void lock();
  void unlock();

 private:
  std::mutex mMutex;
  std::atomic<std::thread::id> mOwner{};
  int mDepth = 0;  // the holder's, while it holds it
};

}  // namespace brisklet
