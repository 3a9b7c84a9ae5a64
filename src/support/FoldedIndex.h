// An open-addressing index from names to positions, comparing names under a folding rule
// (upper-cased ASCII, say). It stores no names: the owner hands a function that gives the name
// at a position. Lookups allocate nothing.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace wcthrm {

// A hash that ignores ASCII letter case, eight bytes at a time. Clearing bit 5 of every byte
// maps a-z onto A-Z (and a few other bytes onto each other, which only costs a rare collision),
// so names equal under any case-blind comparison hash alike.
inline uint32_t CaseBlindHash(std::string_view s) {
  constexpr uint64_t kMul = 0x9E3779B97F4A7C15ull;
  constexpr uint64_t kMask = 0xDFDFDFDFDFDFDFDFull;
  uint64_t h = kMul ^ s.size();
  size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    uint64_t w;
    std::memcpy(&w, s.data() + i, 8);
    h = (h ^ (w & kMask)) * kMul;
    h ^= h >> 29;
  }
  uint64_t w = 0;
  std::memcpy(&w, s.data() + i, s.size() - i);
  h = (h ^ (w & kMask)) * kMul;
  h ^= h >> 32;
  return static_cast<uint32_t>(h);
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
