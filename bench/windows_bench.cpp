// The windows at scale, on a display: the favourites dialog loading and showing a long list,
// and Go in an address bar whose drop-down already holds thousands of typed addresses. The
// page views are the tests' fake engines, so only the program's own time is measured.
#include <benchmark/benchmark.h>
#include <glib.h>
#include <gtk/gtk.h>
#include <gtkmm/init.h>

#include <string>
#include <vector>

#include "app/program_resources.h"
#include "browse/address_bar.h"
#include "favorites/fav_dialog.h"
#include "favorites/list_file.h"
#include "start/renderer_choice.h"
#include "support/test_program.h"

namespace {

using tarravelle::test::TestProgram;

// Runs the main loop until nothing is pending, so what was shown has been drawn.
void Settle() {
  while (g_main_context_iteration(nullptr, false)) {
  }
}

std::vector<std::string> Addresses(std::int64_t count) {
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) {
    items.push_back("http://www.example-" + std::to_string(i) + ".org/some/page.html");
  }
  return items;
}

// The dialog's first reference: it reads the file, fills its list and is shown and drawn.
void FavoritesDialogLoadAndShow(benchmark::State& state) {
  TestProgram test;
  test.ShowMainWindow();
  tarravelle::SaveListToFile(Addresses(state.range(0)), test.program().Favorites().FilePath());
  Settle();
  for (auto _ : state) {
    auto& dialog = test.program().LoadFavoritesDialog();
    dialog.present();
    while (!dialog.get_mapped()) g_main_context_iteration(nullptr, true);
    Settle();
    state.PauseTiming();
    benchmark::DoNotOptimize(dialog.Items().size());
    test.program().UnloadFavoritesDialog();
    Settle();
    state.ResumeTiming();
  }
}
BENCHMARK(FavoritesDialogLoadAndShow)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// Go with a drop-down of `range` typed addresses: the navigation and the new entry.
void GoWithTypedAddresses(benchmark::State& state) {
  TestProgram test;
  auto& form = test.ShowMainWindow();
  for (const auto& address : Addresses(state.range(0))) form.cboURL.append(address);
  Settle();
  form.cboURL.get_entry()->set_text("www.example.org/typed");
  for (auto _ : state) {
    form.addressBar().cmdGo_Click();
    state.PauseTiming();
    form.cboURL.remove_text(static_cast<int>(state.range(0)));
    test.Page().calls.clear();
    state.ResumeTiming();
  }
}
BENCHMARK(GoWithTypedAddresses)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Data of a throwaway home, never the person's own.
  gchar* home = g_dir_make_tmp("tarravelle-bench-home-XXXXXX", nullptr);
  for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
    g_setenv(name, home, TRUE);
  }
  g_free(home);
  g_setenv("NO_AT_BRIDGE", "1", FALSE);
  g_setenv("GTK_A11Y", "none", FALSE);
  benchmark::Initialize(&argc, argv);
  gtk_init();
  Gtk::init_gtkmm_internals();
  tarravelle::LoadProgramResources();
  tarravelle::ChooseRendererForDisplay();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
