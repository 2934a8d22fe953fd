// The address drop-down: its list of appended texts and how one is chosen.
#include "ui/address_combo.h"

#include <gtest/gtest.h>
#include <gtkmm/window.h>

#include "support/main_loop.h"

namespace tarravelle {
namespace {

TEST(AddressComboBox, OpensOnlyWithItemsAndPutsTheChosenOneIntoTheField) {
  Gtk::Window window;
  AddressComboBox combo;
  window.set_child(combo);
  window.present();
  ASSERT_TRUE(test::PumpUntil([&] { return combo.get_mapped(); }));

  combo.ShowList(true);
  EXPECT_FALSE(combo.ListShown());  // nothing to choose from

  combo.append("a.example");
  combo.append("b.example");
  combo.append("a.example");  // every Go is kept, repeats included
  EXPECT_EQ(combo.ItemCount(), 3u);
  combo.get_entry()->set_text("typed");
  combo.ShowList(true);
  EXPECT_TRUE(combo.ListShown());
  combo.Choose(1);
  EXPECT_FALSE(combo.ListShown());
  EXPECT_EQ(combo.get_active_text(), "b.example");
  EXPECT_EQ(combo.ItemCount(), 3u);  // choosing changes no list

  combo.remove_text(0);
  EXPECT_EQ(combo.Item(0), "b.example");
  window.close();
}

}  // namespace
}  // namespace tarravelle
