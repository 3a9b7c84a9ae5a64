// Exception types of the module. Messages are UTF-8; the host boundary converts them to GBK.
#pragma once

#include <stdexcept>
#include <string>

namespace wcthrm {

// Base of every error the module raises on purpose.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that does not convert to the number or flag asked for.
class ConversionError : public Error {
 public:
  using Error::Error;
};

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
