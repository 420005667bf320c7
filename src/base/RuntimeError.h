// The one run-time error of the compiler: the system's own text ("Overflow", ...) plus
// where it happened ("element 17 (GUID 1042)", "display 3"), taken from the open error scopes.
#pragma once
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace brisklet {

class RuntimeError : public std::runtime_error {
 public:
  // text: the system's message ("Overflow"); detail: what was found, for the user (may be empty).
  explicit RuntimeError(std::string text, std::string detail = {});

  const std::string& Text() const { return mText; }
  const std::string& Detail() const { return mDetail; }
  // Innermost scope last, e.g. {"display 3", "element 17 (GUID 1042)"}.
  const std::vector<std::string>& Where() const { return mWhere; }
  // "Overflow (PenWidth is 300, expected 0 to 255) in element 17 (GUID 1042) on display 3"
  std::string Describe() const;
  // The same error raised on another thread, placed as well in the scopes open here (outermost
  // first, before its own): an element built ahead fails where the walk reaches it.
  static RuntimeError Relocated(const RuntimeError& raised);

 private:
  RuntimeError(const RuntimeError& raised, std::vector<std::string> where);

  std::string mText;
  std::string mDetail;
  std::vector<std::string> mWhere;
};

// Narrows the location of every RuntimeError raised while it is alive, like a prefix
// set on the way in and dropped on the way out. A place may be given as a function that
// spells it out only when an error is raised: what it reads must stay as it is while the
// scope is open (a row is not moved on inside the scope of that row).
class ErrorScope {
 public:
  using Describe = std::function<std::string()>;
  explicit ErrorScope(std::string where);
  explicit ErrorScope(Describe where);
  ~ErrorScope();
  // Says more about the same place once it is known ("element 17" -> "element 17 (GUID 1042) ...").
  void Refine(std::string where);
  void Refine(Describe where);
  ErrorScope(const ErrorScope&) = delete;
  ErrorScope& operator=(const ErrorScope&) = delete;

 private:
  size_t mIndex;
};

// Shorthands for the system's texts.
[[noreturn]] void ThrowOverflow(const std::string& detail = {});
[[noreturn]] void ThrowInvalidNull(const std::string& field, const std::string& why = {});

}  // namespace brisklet
