#pragma once

#include <string>
#include <utility>
#include <variant>

namespace pelmora {

// A range failure of the title-screen codec: what was out of range, in words a user can read.
struct CodecError {
  std::string what;
};

// The value of a codec step, or the range failure that stopped it. Callers check it before use;
// reaching for the value of a failure is a programming error caught by std::get.
template <class T>
class Expected {
 public:
  Expected(T value) : content_(std::move(value)) {}
  Expected(CodecError error) : content_(std::move(error)) {}

  bool hasValue() const { return std::holds_alternative<T>(content_); }
  explicit operator bool() const { return hasValue(); }

  const T& value() const { return std::get<T>(content_); }
  T& value() { return std::get<T>(content_); }
  const T& operator*() const { return value(); }

  const CodecError& error() const { return std::get<CodecError>(content_); }

 private:
  std::variant<T, CodecError> content_;
};

// A codec step that yields nothing but success or a range failure.
using Status = Expected<std::monostate>;

inline Status success() { return Status(std::monostate{}); }
inline CodecError outOfRange(std::string what) { return CodecError{std::move(what)}; }

}  // namespace pelmora
