#pragma once
// What an operation below the windows reports instead of showing it. A
// refusal means the operation changed nothing; a warning means it did its
// work and something deserves the user's attention. The command layer decides
// what the user sees.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace korvado {

struct Notice {
  enum class Kind { Refusal, Warning };
  Kind kind = Kind::Refusal;
  std::string text;
  std::string title;  // warnings only; empty means the program's title
  bool operator==(const Notice&) const = default;
};

// [[nodiscard]]: a refusal dropped unread is a fault the compiler names.
class [[nodiscard]] Outcome {
 public:
  Outcome() = default;
  static Outcome Refusal(std::string text) {
    Outcome outcome;
    outcome.Refuse(std::move(text));
    return outcome;
  }

  static Outcome Warning(std::string text) {
    Outcome outcome;
    outcome.Warn(std::move(text));
    return outcome;
  }

  void Refuse(std::string text) { notices_.push_back({Notice::Kind::Refusal, std::move(text), {}}); }
  void Warn(std::string text, std::string title = {}) {
    notices_.push_back({Notice::Kind::Warning, std::move(text), std::move(title)});
  }
  void Append(const Outcome& other) { notices_.insert(notices_.end(), other.notices_.begin(), other.notices_.end()); }

  bool Refused() const {
    for (const Notice& notice : notices_)
      if (notice.kind == Notice::Kind::Refusal) return true;
    return false;
  }
  bool Ok() const { return !Refused(); }
  // Runs the next check only while nothing is refused: the checks of a
  // command in order, stopping at the first refusal.
  template <class Check>
  Outcome& AndThen(Check&& check) {
    if (Ok()) Append(std::forward<Check>(check)());
    return *this;
  }
  explicit operator bool() const { return Ok(); }
  const std::vector<Notice>& Notices() const { return notices_; }
  // The first refusal's text; empty when nothing was refused.
  std::string RefusalText() const {
    for (const Notice& notice : notices_)
      if (notice.kind == Notice::Kind::Refusal) return notice.text;
    return {};
  }

 private:
  std::vector<Notice> notices_;
};

// A value, or the refusal that stands in its place; warnings may come with either.
template <class T>
class [[nodiscard]] Result : public Outcome {
 public:
  Result(T value) : value_(std::move(value)) {}             // NOLINT(google-explicit-constructor): returned by value
  Result(Outcome refusal) : Outcome(std::move(refusal)) {}  // NOLINT(google-explicit-constructor)

  bool HasValue() const { return value_.has_value(); }
  const T& operator*() const { return *value_; }
  T& operator*() { return *value_; }
  const T* operator->() const { return &*value_; }
  T* operator->() { return &*value_; }
  const std::optional<T>& Value() const { return value_; }

 private:
  std::optional<T> value_;
};

}  // namespace korvado
