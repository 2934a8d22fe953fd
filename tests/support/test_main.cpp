// Test programs start GTK unless they are only asked to list their tests.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <gtkmm/init.h>

#include <cstring>

#include "app/program_resources.h"

int main(int argc, char** argv) {
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
