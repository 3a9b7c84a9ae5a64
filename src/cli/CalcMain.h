// wcthrm-calc's whole run behind main(): arguments, input, book or fault, exit status. Kept
// apart from main() so tests and fuzzers drive exactly what users run.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace wcthrm::cli {

// The largest INPUT read; a larger one is refused before it is read.
inline constexpr size_t kMaxInputBytes = size_t{64} << 20;

// args without the program name; in stands for standard input. Returns the exit status: 0
// book, 1 failed check, 2 usage, file or input error. Only a fault of the program itself
// throws.
int Main(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
         std::ostream& err);

}  // namespace wcthrm::cli
