// The element walk's records built on a second thread, in the walk's order and at most
// kAhead ahead of it, while the walk stores what is built. The connection is shared: each
// statement takes its turn (Connection::Turn).
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "component/BuiltElement.h"
#include "host/HostFactory.h"

namespace brisklet {

class BuildAhead {
 public:
  // build(at) builds the element at position `at` of the walk; it runs with `host` current.
  BuildAhead(size_t count, std::function<BuiltElement(size_t at)> build, HostFactory& host);
  // Stops the builder (after the element in hand) and waits for it.
  ~BuildAhead();
  BuildAhead(const BuildAhead&) = delete;
  BuildAhead& operator=(const BuildAhead&) = delete;

  // The next element of the walk, once it is built.
  BuiltElement Next();
  // Hands a stored element back to the builder, which made it and frees it (memory freed by
  // the thread that took it keeps the two threads' allocators apart).
  void Spent(BuiltElement&& built);

  static constexpr size_t kAhead = 256;
  static constexpr size_t kBatch = 32;

 private:
  void Run(size_t count, HostFactory& host);
  // The builder hands over what it made and takes back what was spent.
  void HandOver(std::vector<BuiltElement>& made, std::vector<BuiltElement>& spent);
  // The builder, at position `at`, waits while it is kAhead ahead of the walk; false: stopped.
  bool WaitForTheWalk(size_t at);

  std::function<BuiltElement(size_t)> mBuild;
  // The elements cross between the threads a batch at a time, under the mutex.
  std::mutex mMutex;
  std::condition_variable mChanged;
  std::vector<BuiltElement> mReady;
  std::vector<BuiltElement> mSpent;
  // Read without the mutex: how far the walk is, and whether the builder waits for it, from where.
  std::atomic<size_t> mTaken = 0;
  std::atomic<size_t> mWaitingAt = SIZE_MAX;
  std::atomic<bool> mStop = false;
  // The walk's own.
  std::vector<BuiltElement> mHand;
  size_t mHandAt = 0;
  std::vector<BuiltElement> mSpentHere;
  std::thread mThread;  // last: it starts once the rest is made
};

}  // namespace brisklet
