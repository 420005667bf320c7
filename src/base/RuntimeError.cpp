// Run-time error text and the scope stack that says where it happened.
#include "base/RuntimeError.h"

namespace brisklet {
namespace {
// A place, or the function that spells it out.
struct Place {
  std::string text;
  ErrorScope::Describe describe;
};
thread_local std::vector<Place> tScopes;
thread_local bool tDescribing = false;

// The open scopes, outermost first. An error raised while a place is being spelt out is
// placed without the places still to be spelt out.
std::vector<std::string> OpenPlaces() {
  std::vector<std::string> where;
  where.reserve(tScopes.size());
  for (const Place& place : tScopes) {
    if (!place.describe) {
      where.push_back(place.text);
      continue;
    }
    if (tDescribing) break;
    tDescribing = true;
    try {
      where.push_back(place.describe());
    } catch (...) {
      where.push_back("?");
    }
    tDescribing = false;
  }
  return where;
}

std::string Compose(const std::string& text, const std::string& detail) {
  return detail.empty() ? text : text + " (" + detail + ")";
}
}  // namespace

RuntimeError::RuntimeError(std::string text, std::string detail)
    : std::runtime_error(Compose(text, detail)),
      mText(std::move(text)),
      mDetail(std::move(detail)),
      mWhere(OpenPlaces()) {}

RuntimeError::RuntimeError(const RuntimeError& raised, std::vector<std::string> where)
    : std::runtime_error(raised), mText(raised.mText), mDetail(raised.mDetail), mWhere(std::move(where)) {}

RuntimeError RuntimeError::Relocated(const RuntimeError& raised) {
  std::vector<std::string> where = OpenPlaces();
  where.insert(where.end(), raised.mWhere.begin(), raised.mWhere.end());
  return RuntimeError(raised, std::move(where));
}

std::string RuntimeError::Describe() const {
  std::string out = what();
  for (auto it = mWhere.rbegin(); it != mWhere.rend(); ++it) {
    out += (it == mWhere.rbegin() ? " in " : " on ") + *it;
  }
  return out;
}

ErrorScope::ErrorScope(std::string where) : mIndex(tScopes.size()) { tScopes.push_back({std::move(where), {}}); }
ErrorScope::ErrorScope(Describe where) : mIndex(tScopes.size()) { tScopes.push_back({{}, std::move(where)}); }
ErrorScope::~ErrorScope() { tScopes.resize(mIndex); }
void ErrorScope::Refine(std::string where) { tScopes.at(mIndex) = {std::move(where), {}}; }
void ErrorScope::Refine(Describe where) { tScopes.at(mIndex) = {{}, std::move(where)}; }

void ThrowOverflow(const std::string& detail) { throw RuntimeError("Overflow", detail); }

void ThrowInvalidNull(const std::string& field, const std::string& why) {
  throw RuntimeError("Invalid use of Null", "field '" + field + "' is Null" + (why.empty() ? "" : ": " + why));
}

}  // namespace brisklet
