// Building element records ahead of the walk on a second thread.
#include "component/BuildAhead.h"

#include "encoding/ImageFacts.h"

namespace brisklet {

// The builder works within the walk's public call: the same host, the same picture facts.
BuildAhead::BuildAhead(size_t count, std::function<BuiltElement(size_t at)> build, HostFactory& host)
    : mBuild(std::move(build)), mThread([this, count, &host, facts = ImageFactsAtHand::Here()] {
        ImageFactsAtHand same(facts);
        Run(count, host);
      }) {}

BuildAhead::~BuildAhead() {
  {
    std::lock_guard lock(mMutex);
    mStop = true;
  }
  mChanged.notify_all();
  mThread.join();
}

// The builder, once ahead by kAhead, waits until the walk has taken half of them; the walk,
// once it has taken all, waits until kBatch more are built or the builder is done: the two
// threads seldom wake each other.
BuiltElement BuildAhead::Next() {
  std::unique_lock lock(mMutex);
  if (mReady.empty()) mChanged.wait(lock, [this] { return mReady.size() >= kBatch || (mDone && !mReady.empty()); });
  BuiltElement next = std::move(mReady.front());
  mReady.pop_front();
  bool wake = mReady.size() == kAhead / 2;
  lock.unlock();
  if (wake) mChanged.notify_all();
  return next;
}

void BuildAhead::Spent(BuiltElement&& built) {
  std::lock_guard lock(mMutex);
  mSpent.push_back(std::move(built));
}

// A failure ends the building: the walk raises it when it comes to that element.
void BuildAhead::Run(size_t count, HostFactory& host) {
  ActiveHost active(host, ActiveHost::SameCall{});
  for (size_t at = 0; at < count; ++at) {
    std::vector<BuiltElement> spent;
    {
      std::unique_lock lock(mMutex);
      if (mSpent.size() >= kBatch) spent.swap(mSpent);
      if (mReady.size() >= kAhead) mChanged.wait(lock, [this] { return mStop || mReady.size() <= kAhead / 2; });
      if (mStop) return;
    }
    spent.clear();
    BuiltElement built;
    try {
      built = mBuild(at);
    } catch (...) {
      built.failure = std::current_exception();
    }
    built.elsewhere = true;
    bool failed = built.failure != nullptr;
    bool last = failed || at + 1 == count;
    bool wake;
    {
      std::lock_guard lock(mMutex);
      mReady.push_back(std::move(built));
      mDone = last;
      wake = last || mReady.size() == kBatch;
    }
    if (wake) mChanged.notify_all();
    if (last) return;
  }
}

}  // namespace brisklet
