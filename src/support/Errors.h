// Exception types of the module. Messages are UTF-8; the host boundary converts them to GBK.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace wcthrm {

// Base of every error the module raises on purpose.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that does not convert to the number or flag asked for. Where the text came from
// (the key and the section of a file, or the entry of a list) is added by the code that knows
// it, and the message then begins with it: "'MyTimes' in [ConcreteConserve information]: 'abc'
// is not a valid integer value".
class ConversionError : public Error {
 public:
  // message: the whole text, with no parts to name.
  explicit ConversionError(std::string message)
      : Error("conversion error"), detail_(std::move(message)) {
    Compose();
  }
  // text: what did not convert (UTF-8); problem: what it is not, briefly ("is not a
  // number"); detail: the same in the conversion's own words ("is not a valid floating point
  // value").
  ConversionError(std::string text, std::string problem, std::string detail)
      : Error("conversion error"),
        text_(std::move(text)),
        problem_(std::move(problem)),
        detail_(std::move(detail)) {
    Compose();
  }

  const char* what() const noexcept override { return full_.c_str(); }

  const std::string& Key() const { return key_; }
  const std::string& Section() const { return section_; }

  // Sets the key unless one is known already: the innermost name is the precise one.
  void NameKey(std::string_view key) {
    if (!key_.empty()) return;
    key_ = key;
    Compose();
  }
  void NameSection(std::string_view section) {
    if (!section_.empty()) return;
    section_ = section;
    Compose();
  }

  // "'Clbr' in [ConcreteHeat information]: '4,2' is not a number": the brief form, for
  // people reading a file they wrote.
  std::string Brief() const {
    if (problem_.empty()) return Where() + detail_;
    return Where() + "'" + text_ + "' " + problem_;
  }

 private:
  std::string Where() const {
    if (key_.empty()) return {};
    std::string where = "'" + key_ + "'";
    if (!section_.empty()) where += " in [" + section_ + "]";
    return where + ": ";
  }
  void Compose() {
    full_ = problem_.empty() ? Where() + detail_ : Where() + "'" + text_ + "' " + detail_;
  }

  std::string key_, section_, text_, problem_, detail_, full_;
};

// Runs convert(); a ConversionError it throws leaves naming key.
template <class Convert>
decltype(auto) ConvertNamed(std::string_view key, Convert&& convert) {
  try {
    return convert();
  } catch (ConversionError& e) {
    e.NameKey(key);
    throw;
  }
}

// An argument outside the range an operation accepts.
class RangeError : public Error {
 public:
  using Error::Error;
};

// A file that cannot be read or written.
class IoError : public Error {
 public:
  using Error::Error;
};

}  // namespace wcthrm
