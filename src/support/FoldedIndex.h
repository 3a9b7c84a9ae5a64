// An open-addressing index from names to positions, comparing names under a folding rule
// (upper-cased ASCII, say). It stores no names: the owner hands a function that gives the name
// at a position. Lookups allocate nothing.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace wcthrm {

// Hashing of names under a folding rule. The folded bytes go through a multiply-rotate round
// per eight bytes and a final avalanche, keyed by a per-process seed: names that differ only
// in bytes a fold leaves alone hash apart, and no fixed set of names can be made to collide,
// so an index over any names stays linear.
class NameHasher {
 public:
  NameHasher() : h_(Seed()) {}

  void Add(uint64_t word) {
    h_ ^= word * kPrime2;
    h_ = ((h_ << 31) | (h_ >> 33)) * kPrime1;
  }

  uint32_t Finish(size_t length) const {
    uint64_t h = h_ ^ (length * kPrime2);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return static_cast<uint32_t>(h);
  }

  // The eight bytes at p (up to n of them, the rest zero) as one word.
  static uint64_t Load(const char* p, size_t n) {
    uint64_t w = 0;
    std::memcpy(&w, p, n < 8 ? n : 8);
    return w;
  }

  // Every byte of w in a-z moved to A-Z; other bytes, those above 0x7F included, unchanged.
  static uint64_t UpperAscii(uint64_t w) {
    constexpr uint64_t kHigh = 0x8080808080808080ull;
    const uint64_t low7 = w & ~kHigh;
    const uint64_t atLeastA = low7 + 0x1F1F1F1F1F1F1F1Full;  // top bit: byte >= 'a'
    const uint64_t aboveZ = low7 + 0x0505050505050505ull;    // top bit: byte > 'z'
    const uint64_t lower = (atLeastA & ~aboveZ) & ~w & kHigh;
    return w ^ (lower >> 2);
  }

 private:
  static constexpr uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
  static constexpr uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
  static uint64_t Seed();

  uint64_t h_;
};

// The hash of s with a-z folded onto A-Z, consistent with EqualsIgnoringAsciiCase.
inline uint32_t CaseBlindHash(std::string_view s) {
  NameHasher h;
  for (size_t i = 0; i < s.size(); i += 8) h.Add(NameHasher::UpperAscii(NameHasher::Load(s.data() + i, s.size() - i)));
  return h.Finish(s.size());
}

// Fold: a type with static uint32_t Hash(std::string_view) and
// static bool Equal(std::string_view, std::string_view), consistent with each other.
template <class Fold>
class FoldedIndex {
 public:
  // The position recorded for name, or -1.
  template <class NameAt>
  int32_t Find(std::string_view name, const NameAt& nameAt) const {
    if (slots_.empty()) return -1;
    const uint32_t hash = Fold::Hash(name);
    for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
      const Slot& s = slots_[i];
      if (s.pos < 0) return -1;
      if (s.hash == hash && Fold::Equal(nameAt(s.pos), name)) return s.pos;
    }
  }

  // Records pos for name. A name already there keeps its position unless replace is set.
  template <class NameAt>
  void Put(std::string_view name, int32_t pos, bool replace, const NameAt& nameAt) {
    if ((used_ + 1) * 4 > slots_.size() * 3) Grow();
    const uint32_t hash = Fold::Hash(name);
    for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
      Slot& s = slots_[i];
      if (s.pos < 0) {
        s = {hash, pos};
        ++used_;
        return;
      }
      if (s.hash == hash && Fold::Equal(nameAt(s.pos), name)) {
        if (replace) s.pos = pos;
        return;
      }
    }
  }

  // Makes room for n names without growing on the way.
  void Reserve(size_t n) {
    size_t size = slots_.empty() ? 16 : slots_.size();
    while (size * 3 < 4 * n) size *= 2;
    if (size > slots_.size()) Rehash(size);
  }

  // Forgets every name and releases the table.
  void Clear() {
    std::vector<Slot>().swap(slots_);
    used_ = 0;
    mask_ = 0;
  }

 private:
  struct Slot {
    uint32_t hash;
    int32_t pos;  // -1: empty
  };

  void Grow() { Rehash(slots_.empty() ? 16 : slots_.size() * 2); }

  void Rehash(size_t size) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(size, Slot{0, -1});
    mask_ = size - 1;
    for (const Slot& s : old) {
      if (s.pos < 0) continue;
      size_t i = s.hash & mask_;
      while (slots_[i].pos >= 0) i = (i + 1) & mask_;
      slots_[i] = s;
    }
  }

  std::vector<Slot> slots_;
  size_t used_ = 0;
  size_t mask_ = 0;
};

}  // namespace wcthrm
