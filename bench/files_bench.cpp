// The program's file reading and command parsing at scale: the favourites list file, the
// settings store on a large file, and the media command parser.
#include <benchmark/benchmark.h>
#include <glib.h>
#include <glib/gstdio.h>

#include <string>
#include <vector>

#include "favorites/list_file.h"
#include "platform/key_file_settings.h"
#include "platform/mci_command.h"

namespace {

std::string TempFolder() {
  gchar* made = g_dir_make_tmp("tarravelle-bench-XXXXXX", nullptr);
  std::string folder = made;
  g_free(made);
  return folder;
}

std::vector<std::string> Items(std::int64_t count) {
  std::vector<std::string> items;
  for (std::int64_t i = 0; i < count; ++i) {
    items.push_back("http://www.example-" + std::to_string(i) + ".org/some/page.html");
  }
  return items;
}

void ListFileLoad(benchmark::State& state) {
  const std::string path = TempFolder() + "/fav.Dat";
  tarravelle::SaveListToFile(Items(state.range(0)), path);
  for (auto _ : state) {
    std::vector<std::string> list;
    tarravelle::LoadListFromFile(list, path, true);
    benchmark::DoNotOptimize(list.data());
  }
}
BENCHMARK(ListFileLoad)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void ListFileSave(benchmark::State& state) {
  const std::string path = TempFolder() + "/fav.Dat";
  const auto items = Items(state.range(0));
  for (auto _ : state) tarravelle::SaveListToFile(items, path);
}
BENCHMARK(ListFileSave)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A look-up in a settings file of 20,000 groups: unchanged since the last one (range 0), or
// written again before each (range 1), which is what every look-up cost before the cache.
void SettingsLookUp(benchmark::State& state) {
  const std::string path = TempFolder() + "/settings.ini";
  std::string content;
  for (int i = 0; i < 20000; ++i) {
    content +=
        "[/opt/app" + std::to_string(i) + "\\HP]\nHP=www.example" + std::to_string(i) + ".org\n";
  }
  const auto write = [&] {
    g_file_set_contents(path.c_str(), content.data(), static_cast<gssize>(content.size()), nullptr);
  };
  write();
  const tarravelle::KeyFileSettings settings(path);
  for (auto _ : state) {
    if (state.range(0)) {
      state.PauseTiming();
      write();
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(settings.GetSetting("/opt/app19999", "HP", "HP"));
  }
}
BENCHMARK(SettingsLookUp)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void MediaCommandParse(benchmark::State& state) {
  const std::string command = "status \"/home/me/Music/a long name.mp3\" position wait";
  for (auto _ : state) benchmark::DoNotOptimize(tarravelle::ParseMciCommand(command));
}
BENCHMARK(MediaCommandParse);

}  // namespace
