// Picture rows at hand, one element at a time on each thread.
#include "encoding/ImagesAtHand.h"

namespace brisklet {
namespace {
thread_local const ElementImages* tAtHand = nullptr;
}  // namespace

const ElementImages::Row* ElementImages::Find(int32_t index) const {
  for (const Row& row : rows) {
    if (row.index == index) return &row;
  }
  return nullptr;
}

ImagesAtHand::ImagesAtHand(const ElementImages* images) : mOuter(tAtHand) { tAtHand = images; }

ImagesAtHand::~ImagesAtHand() { tAtHand = mOuter; }

const ElementImages* ImagesAtHand::For(int32_t elementId) {
  return tAtHand && tAtHand->elementId == elementId ? tAtHand : nullptr;
}

}  // namespace brisklet
