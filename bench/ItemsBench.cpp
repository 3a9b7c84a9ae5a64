// A host opening a large project: thousands of CreateItem calls, each loading the saved
// defaults, then every item written to its list and read back.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "model/Defaults.h"
#include "support/IniFile.h"
#include "model/uBaseClass.h"

namespace {

namespace fs = std::filesystem;

constexpr int kKeys = 1000;

// update.ini with the four kinds' sections; the freezing-depth tables hold `rows` rows each,
// and unrelated keys fill the file up to kKeys.
std::string DefaultsText(int rows) {
  std::string text;
  int keys = 0;
  auto key = [&](const std::string& name, const std::string& value) {
    text += name + "=" + value + "\r\n";
    ++keys;
  };
  text += "[ConcreteHeat information]\r\n";
  for (const char* k : {"Clbr", "Clmi", "Yll", "Jrqclwd", "Bjyxs", "Jrhclwd", "Sjlyxs", "Wjqw",
                        "Jrzgwd", "Cldrb", "Sdrjr", "Szhsl", "Hsl", "Bhwwd", "Bhjpnwd"})
    key(k, "1.5");
  for (const char* k : {"mw", "mce", "msa", "mg", "Tw", "Tce", "Tsa", "Tg"}) key(k, "10");
  text += "[ConcreteConserve information]\r\n";
  key("MyTimes", "10");
  key("MyTimes2", "5");
  for (int i = 0; i < 10; ++i) key("slPjwd" + std::to_string(i), "5");
  for (int i = 0; i < 10; ++i) key("slDlwdsj" + std::to_string(i), "8");
  text += "[TongTransitIrrigate information]\r\n";
  for (const char* k : {"Cjwd", "Wdssxs", "Ysdjzdsj", "Hjwd", "cf", "cs", "mf", "ms", "Tf", "Ts",
                        "Wendu", "Zhiliang", "Hntbrr"})
    key(k, "2");
  key("Yzcs", "2");
  text += "[DepthOfSoil information]\r\n";
  const char* tables[] = {"slOneNoHeatSoil", "slTwoNoHeatSoil", "slThreeNoHeatSoil",
                          "slFourNoHeatSoil", "slFiveNoHeatSoil"};
  for (int t = 1; t <= 5; ++t) key("Count" + std::to_string(t), std::to_string(rows));
  for (const char* table : tables)
    for (int c = 0; c < 2 * rows; ++c) key(table + std::to_string(c), std::to_string(c % 31));
  text += "[Other information]\r\n";
  for (int i = 0; keys < kKeys; ++i) key("Filler" + std::to_string(i), "x");
  return text;
}

class Host {
 public:
  explicit Host(int rows) {
    folder_ = fs::temp_directory_path() / ("wcthrm_bench_" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    std::ofstream(folder_ / "update.ini", std::ios::binary) << DefaultsText(rows);
    wcthrm::SetDefaultsFolder(folder_.string() + "/");
  }
  ~Host() { fs::remove_all(folder_); }

 private:
  fs::path folder_;
};

void BM_OpenProject(benchmark::State& state) {
  const int items = static_cast<int>(state.range(0));
  const int rows = static_cast<int>(state.range(1));
  Host host(rows);
  wcthrm::TypeIds ids;
  ids.ConcreteHeat = 100;
  ids.ConcreteConserve = 101;
  ids.DepthOfSoil = 102;
  ids.TongTransitIrrigate = 103;
  for (auto _ : state) {
    wcthrm::TKxObjAdapter manager(ids);
    for (int i = 0; i < items; ++i) manager.CreateItem(100 + i % 4);
    for (wcthrm::TKxObj* item : manager.Items()) {
      item->WriteToList();
      benchmark::DoNotOptimize(item->ReadFromList());
    }
  }
  state.SetItemsProcessed(state.iterations() * items);
}

BENCHMARK(BM_OpenProject)
    ->ArgNames({"items", "rows"})
    ->Args({1000, 10})
    ->Args({1000, 100})
    ->Args({10000, 10})
    ->Args({10000, 100})
    ->Unit(benchmark::kMillisecond);

}  // namespace
