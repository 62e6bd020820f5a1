// Loading and saving a preferences record of 160,000 keys: only a damaged or hand-made file
// gets there, but the window must not freeze over it.
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "prefs/cPreferences.h"

namespace {

constexpr int kKeys = 160000;

// A private preferences folder holding the big record; the store reads it from there.
class BigRecordFile {
public:
  BigRecordFile() {
    setenv("XDG_CONFIG_HOME", dir_.path().toLocal8Bit().constData(), 1);
    auto record = fw::New<fw::Dictionary>();
    for (int i = 0; i < kKeys; ++i) record->Value("Key" + std::to_string(i), std::int32_t{i});
    cPreferences("Quarvel").SetAndSave("Big", record);
  }

private:
  QTemporaryDir dir_;
};

void LoadBigRecord(benchmark::State& state) {
  const BigRecordFile file;
  for (auto _ : state) benchmark::DoNotOptimize(cPreferences("Quarvel").PrefData.size());
}
BENCHMARK(LoadBigRecord)->Unit(benchmark::kMillisecond);

// A loaded record stays as the file's bytes until it is asked for; then it becomes a Dictionary.
void LoadAndGetBigRecord(benchmark::State& state) {
  const BigRecordFile file;
  for (auto _ : state) benchmark::DoNotOptimize(cPreferences("Quarvel").GetData("Big")->Count());
}
BENCHMARK(LoadAndGetBigRecord)->Unit(benchmark::kMillisecond);

void SaveBigRecord(benchmark::State& state) {
  const BigRecordFile file;
  cPreferences prefs("Quarvel");
  for (auto _ : state) prefs.Save();
}
BENCHMARK(SaveBigRecord)->Unit(benchmark::kMillisecond);

void SaveBigRecordInUse(benchmark::State& state) {
  const BigRecordFile file;
  cPreferences prefs("Quarvel");
  prefs.GetData("Big");
  for (auto _ : state) prefs.Save();
}
BENCHMARK(SaveBigRecordInUse)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
