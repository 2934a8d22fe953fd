// Every control of every window the program makes is read by the name a person reads.
#include <gtest/gtest.h>
#include <gtkmm/menubutton.h>
#include <gtkmm/popovermenubar.h>
#include <gtkmm/textview.h>

#include <cctype>

#include "dialogs/about_dialog.h"
#include "dialogs/help_about.h"
#include "dialogs/splash.h"
#include "favorites/fav_dialog.h"
#include "support/test_program.h"
#include "ui/accessible_label.h"

namespace tarravelle {
namespace {

// A name is read as it stands: no "_" or "&" marking an access key.
bool Readable(const std::string& name) {
  if (name.empty() || name.find('_') != std::string::npos) return false;
  for (size_t at = name.find('&'); at != std::string::npos; at = name.find('&', at + 1)) {
    if (at + 1 < name.size() && std::isalnum(static_cast<unsigned char>(name[at + 1]))) {
      return false;
    }
  }
  return true;
}

// The controls under `widget` whose names are not readable, by their widget names.
void Walk(Gtk::Widget& widget, std::vector<std::string>& unreadable) {
  if (dynamic_cast<Gtk::PopoverMenuBar*>(&widget)) return;  // named by the menu's captions
  const bool control = dynamic_cast<Gtk::Button*>(&widget) ||
                       dynamic_cast<Gtk::MenuButton*>(&widget) ||
                       dynamic_cast<Gtk::Entry*>(&widget) || dynamic_cast<Gtk::TextView*>(&widget);
  if (control) {
    if (!Readable(AccessibleName(widget))) {
      unreadable.push_back(widget.get_name() + " \"" + AccessibleName(widget) + "\"");
    }
    return;  // its parts are read through it
  }
  if (auto* label = dynamic_cast<Gtk::Label*>(&widget)) {
    if (label->get_use_underline() || (label->get_visible() && !Readable(label->get_text()))) {
      unreadable.push_back(widget.get_name() + " \"" + label->get_text() + "\"");
    }
  }
  for (auto* child = widget.get_first_child(); child; child = child->get_next_sibling()) {
    Walk(*child, unreadable);
  }
}

TEST(AccessibleNames, EveryControlOfEveryWindowIsReadByItsPlainName) {
  test::TestProgram test;
  Form1& form = test.ShowMainWindow();
  frmFav& favorites = test.program().LoadFavoritesDialog();
  frmSplash splash([] {});
  form.Menu("mnuHelpAbout").Click();
  frmTesters& about = *form.helpAbout().About();
  about.Command1_Click();
  for (Gtk::Window* window :
       std::initializer_list<Gtk::Window*>{&form, &favorites, &splash, &about, about.Testers()}) {
    std::vector<std::string> unreadable;
    Walk(*window, unreadable);
    EXPECT_TRUE(unreadable.empty())
        << window->get_title() << ": " << testing::PrintToString(unreadable);
  }
  EXPECT_EQ(AccessibleName(favorites.cmdGoToFav), "Go to Url");
  EXPECT_EQ(AccessibleName(form.cmdPlay), "Play");
  about.Testers()->Command1_Click();
  about.cmdOk_Click();
}

}  // namespace
}  // namespace tarravelle
