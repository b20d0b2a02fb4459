// Reading keys of a large settings file (300 000 small sections, about 4 MB) as start-up
// does: the first read parses it (before the timing), the 43 reads of a start-up and close
// reuse that.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/atomic_file.h"
#include "platform/atomic_file_seam.h"
#include "platform/profile.h"

namespace {

std::string LargeSettingsFile() {
  static const std::string path = [] {
    std::string folder = (std::filesystem::temp_directory_path() / "kavo-bench-XXXXXX").string();
    if (!::mkdtemp(folder.data())) std::abort();
    const std::string file = folder + "/KAVO71.ini";
    std::string text;
    for (int i = 0; i < 300000; ++i) text += "[S" + std::to_string(i) + "]\r\nk=v\r\n";
    text += "[Kavo Config]\r\nDefault MHz=400\r\n";
    AtomicWriteSkipSyncForTests(true);
    if (!WriteFileAtomic(file, text)) std::abort();
    // Settled, as a settings file is at start-up: its times lie seconds in the past.
    ::sleep(2);
    return file;
  }();
  return path;
}

void BM_StartUpReadsOfALargeSettingsFile(benchmark::State& state) {
  const std::string file = LargeSettingsFile();
  profile::GetString(file, "Kavo Config", "Default MHz", "");
  for (auto _ : state) {
    for (int i = 0; i < 43; ++i)
      benchmark::DoNotOptimize(profile::GetString(file, "Kavo Config", "Default MHz", ""));
  }
}
BENCHMARK(BM_StartUpReadsOfALargeSettingsFile)->Unit(benchmark::kMillisecond);

}  // namespace
