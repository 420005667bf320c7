// What a run learns of a picture by its CRC (bits per pixel, key colours), kept while the run
// lasts: the image table does not change while a run compiles. Only what was read without a
// failure is kept, so a picture that fails fails again, with its notice, for each element.
#pragma once
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

namespace brisklet {

enum class ImageFact { kBits, kKeyColor8, kKeyColor16 };

class ImageFacts {
 public:
  using Fact = std::pair<int32_t, int32_t>;
  std::optional<Fact> Find(ImageFact fact, int32_t crc) const;
  void Keep(ImageFact fact, int32_t crc, Fact value);

 private:
  mutable std::mutex mMutex;  // both threads of a run may ask
  std::map<std::pair<ImageFact, int32_t>, Fact> mFacts;
};

// The facts this thread keeps, for the scope's life (null: none kept, each read anew).
class ImageFactsAtHand {
 public:
  explicit ImageFactsAtHand(ImageFacts* facts);
  ~ImageFactsAtHand();
  ImageFactsAtHand(const ImageFactsAtHand&) = delete;
  ImageFactsAtHand& operator=(const ImageFactsAtHand&) = delete;
  static ImageFacts* Here();

 private:
  ImageFacts* mOuter;
};

// The fact, from the facts at hand or by `read` (and then kept).
template <class Read>
ImageFacts::Fact Remembered(ImageFact fact, int32_t crc, Read read) {
  ImageFacts* facts = ImageFactsAtHand::Here();
  if (!facts) return read();
  if (std::optional<ImageFacts::Fact> known = facts->Find(fact, crc)) return *known;
  ImageFacts::Fact value = read();
  facts->Keep(fact, crc, value);
  return value;
}

}  // namespace brisklet
