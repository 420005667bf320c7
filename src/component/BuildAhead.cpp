// Building element records ahead of the walk on a second thread.
#include "component/BuildAhead.h"

#include <cstdint>

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

// The walk takes a batch at a time; the builder, waiting for it, is woken once the walk has
// taken half of what it was ahead.
BuiltElement BuildAhead::Next() {
  if (mHandAt == mHand.size()) {
    mHand.clear();
    mHandAt = 0;
    std::unique_lock lock(mMutex);
    mChanged.wait(lock, [this] { return !mReady.empty(); });
    mHand.swap(mReady);
  }
  size_t taken = ++mTaken;
  size_t waitingAt = mWaitingAt;
  if (waitingAt != SIZE_MAX && waitingAt < taken + kAhead / 2) {
    std::lock_guard lock(mMutex);
    mChanged.notify_all();
  }
  return std::move(mHand[mHandAt++]);
}

void BuildAhead::Spent(BuiltElement&& built) {
  mSpentHere.push_back(std::move(built));
  if (mSpentHere.size() < kBatch) return;
  std::lock_guard lock(mMutex);
  if (mSpent.empty()) {
    mSpent.swap(mSpentHere);
  } else {
    for (BuiltElement& spent : mSpentHere) mSpent.push_back(std::move(spent));
    mSpentHere.clear();
  }
}

void BuildAhead::HandOver(std::vector<BuiltElement>& made, std::vector<BuiltElement>& spent) {
  {
    std::lock_guard lock(mMutex);
    for (BuiltElement& built : made) mReady.push_back(std::move(built));
    spent.swap(mSpent);
  }
  mChanged.notify_all();
  made.clear();
  spent.clear();  // freed here, by the thread that made them
}

bool BuildAhead::WaitForTheWalk(size_t at) {
  std::unique_lock lock(mMutex);
  mWaitingAt = at;
  mChanged.wait(lock, [&] { return mStop || at < mTaken + kAhead / 2; });
  mWaitingAt = SIZE_MAX;
  return !mStop;
}

// A failure ends the building: the walk raises it when it comes to that element.
void BuildAhead::Run(size_t count, HostFactory& host) {
  ActiveHost active(host, ActiveHost::SameCall{});
  std::vector<BuiltElement> made, spent;
  for (size_t at = 0; at < count && !mStop; ++at) {
    if (at >= mTaken + kAhead) {
      if (!made.empty()) HandOver(made, spent);
      if (!WaitForTheWalk(at)) return;
    }
    BuiltElement built;
    try {
      built = mBuild(at);
    } catch (...) {
      built.failure = std::current_exception();
    }
    built.elsewhere = true;
    bool last = built.failure != nullptr || at + 1 == count;
    made.push_back(std::move(built));
    if (last || made.size() >= kBatch) HandOver(made, spent);
    if (last) return;
  }
}

}  // namespace brisklet
