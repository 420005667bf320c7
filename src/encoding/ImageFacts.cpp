// Picture facts kept for a run, shared by its threads.
#include "encoding/ImageFacts.h"

namespace brisklet {
namespace {
thread_local ImageFacts* tFacts = nullptr;
}  // namespace

std::optional<ImageFacts::Fact> ImageFacts::Find(ImageFact fact, int32_t crc) const {
  std::lock_guard lock(mMutex);
  auto it = mFacts.find({fact, crc});
  if (it == mFacts.end()) return std::nullopt;
  return it->second;
}

void ImageFacts::Keep(ImageFact fact, int32_t crc, Fact value) {
  std::lock_guard lock(mMutex);
  mFacts.emplace(std::pair{fact, crc}, value);
}

ImageFactsAtHand::ImageFactsAtHand(ImageFacts* facts) : mOuter(tFacts) { tFacts = facts; }

ImageFactsAtHand::~ImageFactsAtHand() { tFacts = mOuter; }

ImageFacts* ImageFactsAtHand::Here() { return tFacts; }

}  // namespace brisklet
