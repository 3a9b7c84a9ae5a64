// Names in the case-blind indexes: parsing an INI file and filling a value list with keys of
// an ordinary shape beside keys that differ only in bytes a case fold might merge ('@' and
// '`', '[' and '{', 0xC1 and 0xE1). Both must grow linearly with the number of keys.
#include <benchmark/benchmark.h>

#include <string>

#include "support/IniFile.h"
#include "model/uBaseClass.h"

namespace {

// Key i of a shape: "Key<i>" ordinary, or 16 bytes each chosen from one colliding pair.
std::string KeyOf(int i, bool colliding) {
  if (!colliding) return "Key" + std::to_string(i);
  static const char kPairs[][2] = {{'@', '`'}, {'[', '{'}, {'\xC1', '\xE1'}, {'^', '~'}};
  std::string key(16, ' ');
  for (int bit = 0; bit < 16; ++bit) {
    const char* pair = kPairs[bit % 4];
    key[bit] = pair[(i >> bit) & 1];
  }
  key.front() = key.front() == '[' ? '@' : key.front();  // never a section header
  return key;
}

std::string IniText(int keys, bool colliding) {
  std::string text = "[DepthOfSoil information]\r\n";
  for (int i = 0; i < keys; ++i) text += KeyOf(i, colliding) + "=1\r\n";
  return text;
}

void BM_ParseIni(benchmark::State& state, bool colliding) {
  const int keys = static_cast<int>(state.range(0));
  const std::string text = IniText(keys, colliding);
  for (auto _ : state) {
    wcthrm::IniFile ini("mem.ini", text);
    benchmark::DoNotOptimize(ini.HasSection("DepthOfSoil information"));
  }
  state.SetItemsProcessed(state.iterations() * keys);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}

void BM_FillList(benchmark::State& state, bool colliding) {
  const int keys = static_cast<int>(state.range(0));
  std::vector<std::string> names;
  for (int i = 0; i < keys; ++i) names.push_back(KeyOf(i, colliding));
  for (auto _ : state) {
    wcthrm::TMyList list;
    for (const std::string& name : names) list.Add(name, wcthrm::Variant(1));
    benchmark::DoNotOptimize(list.Find(names.back()));
  }
  state.SetItemsProcessed(state.iterations() * keys);
}

BENCHMARK_CAPTURE(BM_ParseIni, ordinary, false)->RangeMultiplier(2)->Range(8 << 10, 64 << 10);
BENCHMARK_CAPTURE(BM_ParseIni, colliding, true)->RangeMultiplier(2)->Range(8 << 10, 64 << 10);
BENCHMARK_CAPTURE(BM_FillList, ordinary, false)->RangeMultiplier(2)->Range(8 << 10, 64 << 10);
BENCHMARK_CAPTURE(BM_FillList, colliding, true)->RangeMultiplier(2)->Range(8 << 10, 64 << 10);

}  // namespace
