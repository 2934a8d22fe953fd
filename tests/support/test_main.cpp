// Test programs start GTK unless they are only asked to list their tests.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <gtkmm/init.h>

#include <cstring>
#include <utility>

#include "app/program_resources.h"

namespace {

// Before GTK or GLib read any of it: software drawing that works on a virtual display, no
// accessibility bus, and a home of the tests' own (see tests/CMakeLists.txt), so no test reads or
// writes the person's own data and the application registry holds only known programs.
void SetTestEnvironment() {
  for (const auto& [name, value] :
       {std::pair{"WEBKIT_DISABLE_COMPOSITING_MODE", "1"}, std::pair{"GSK_RENDERER", "cairo"},
        std::pair{"LIBGL_ALWAYS_SOFTWARE", "1"}, std::pair{"NO_AT_BRIDGE", "1"},
        std::pair{"GTK_A11Y", "none"}}) {
    g_setenv(name, value, FALSE);
  }
  g_setenv("XDG_DATA_HOME", TARRAVELLE_TEST_HOME "/data", TRUE);
  g_setenv("XDG_CONFIG_HOME", TARRAVELLE_TEST_HOME "/config", TRUE);
  g_setenv("XDG_CACHE_HOME", TARRAVELLE_TEST_HOME "/cache", TRUE);
}

}  // namespace

int main(int argc, char** argv) {
  SetTestEnvironment();
  testing::InitGoogleTest(&argc, argv);
  bool listing = false;
  for (int i = 1; i < argc; ++i) listing |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
  if (!listing) {
    gtk_init();
    Gtk::init_gtkmm_internals();
    tarravelle::LoadProgramResources();
  }
  return RUN_ALL_TESTS();
}
