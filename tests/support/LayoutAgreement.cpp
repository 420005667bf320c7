// The layouts of the byte writer and of the decoder, compared.
#include "support/LayoutAgreement.h"

#include <gtest/gtest.h>

#include <sstream>

#include "decoding/RecordDecoder.h"

namespace brisklet::test {
namespace {

// A name without its numbers: the reader counts repeated fields ("jump 2 ..."), the writer's
// label names them all.
std::string Unnumbered(const std::string& name) {
  std::istringstream words(name);
  std::string word, out;
  while (words >> word) {
    if (word.find_first_not_of("0123456789") == std::string::npos) continue;
    out += (out.empty() ? "" : " ") + word;
  }
  return out;
}

struct Span {
  size_t offset, size;
  std::string name;
  size_t End() const { return offset + size; }
  std::string Shown() const { return name + " (" + std::to_string(offset) + ", " + std::to_string(size) + ")"; }
};

// Walks the writes and the fields in offset order: they agree where each spans the same bytes
// under the same name, or where one spans several of the other's, all named under it.
std::string Disagreement(const std::vector<Span>& w, const std::vector<Span>& d) {
  size_t i = 0, j = 0;
  while (i < w.size() && j < d.size()) {
    std::string differ = "written " + w[i].Shown() + ", read " + d[j].Shown();
    if (w[i].offset != d[j].offset) return differ;
    if (w[i].size == d[j].size) {
      if (w[i].name != d[j].name) return differ;
      ++i, ++j;
      continue;
    }
    bool writeHolds = w[i].size > d[j].size;
    const Span& outer = writeHolds ? w[i] : d[j];
    const std::vector<Span>& inner = writeHolds ? d : w;
    size_t& k = writeHolds ? j : i;
    for (; k < inner.size() && inner[k].End() <= outer.End(); ++k) {
      if (inner[k].name != outer.name && !inner[k].name.starts_with(outer.name + " ")) {
        return (writeHolds ? "written " : "read ") + outer.Shown() + " holds " + inner[k].Shown();
      }
    }
    if (inner[k - 1].End() != outer.End()) return differ;
    ++(writeHolds ? i : j);
  }
  if (i < w.size()) return "written past the fields read: " + w[i].Shown();
  if (j < d.size()) return "read past the writes: " + d[j].Shown();
  return "";
}

}  // namespace

void ExpectLayoutsAgree(const std::string& label, const Bytes& record, const std::vector<TracedWrite>& writes,
                        const DecodeContext& context, bool odd) {
  DecodedRecord decoded = DecodeRecord(record, context);
  if (odd && !decoded.Complete()) return;
  for (const std::string& problem : decoded.problems) ADD_FAILURE() << label << ": " << problem;
  std::vector<Span> w, d;
  for (const TracedWrite& t : writes) w.push_back({t.offset, t.size, Unnumbered(t.name)});
  for (const DecodedField& f : decoded.fields) {
    if (f.size > 0) d.push_back({f.offset, f.size, Unnumbered(f.name)});
  }
  EXPECT_FALSE(w.empty()) << label << ": no writer wrote it";
  EXPECT_EQ(Disagreement(w, d), "") << label;
}

}  // namespace brisklet::test
