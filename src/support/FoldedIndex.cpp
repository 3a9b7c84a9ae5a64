#include "support/FoldedIndex.h"

#include <chrono>
#include <random>

namespace wcthrm {

uint64_t NameHasher::Seed() {
  static const uint64_t seed = [] {
    uint64_t s = static_cast<uint64_t>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    try {
      std::random_device device;
      s ^= (static_cast<uint64_t>(device()) << 32) ^ device();
    } catch (...) {
      // no entropy source: the clock alone still differs from run to run
    }
    return s;
  }();
  return seed;
}

}  // namespace wcthrm
