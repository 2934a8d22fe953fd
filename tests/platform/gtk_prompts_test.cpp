// The GTK message boxes, as a person sees and a screen reader reads them.
#include "platform/gtk_prompts.h"

#include <gtest/gtest.h>
#include <gtkmm/button.h>
#include <gtkmm/image.h>
#include <gtkmm/window.h>

#include <vector>

#include "support/main_loop.h"
#include "ui/accessible_label.h"

namespace tarravelle {
namespace {

template <typename Widget>
std::vector<Widget*> Find(Gtk::Widget& root) {
  std::vector<Widget*> found;
  for (std::vector<Gtk::Widget*> open{&root}; !open.empty();) {
    Gtk::Widget* next = open.back();
    open.pop_back();
    if (auto* widget = dynamic_cast<Widget*>(next)) found.push_back(widget);
    for (auto* child = next->get_first_child(); child; child = child->get_next_sibling()) {
      open.push_back(child);
    }
  }
  return found;
}

// Each kind of box shows its icon from the icon theme, and each button is read by its caption
// once: its caption is its one label, not also the button's own label text ("OK OK").
TEST(GtkPrompts, AMessageBoxShowsTheIconOfItsKindAndEachButtonIsReadOnce) {
  GtkPrompts prompts;
  const struct {
    MsgIcon icon;
    const char* name;
  } kinds[] = {{MsgIcon::Information, "dialog-information"},
               {MsgIcon::Exclamation, "dialog-warning"},
               {MsgIcon::Critical, "dialog-error"}};
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.name);
    std::optional<MsgResult> answer;
    prompts.MsgBox(nullptr, "Sonavelle is busy right now!", "Sonavelle", kind.icon, MsgButtons::OK,
                   [&](MsgResult result) { answer = result; });
    Gtk::Window* box = nullptr;
    ASSERT_TRUE(test::PumpUntil([&] {
      for (auto* window : Gtk::Window::list_toplevels()) {
        if (window->get_visible() && window->get_title() == "Sonavelle") box = window;
      }
      return box != nullptr;
    }));
    const auto images = Find<Gtk::Image>(*box);
    ASSERT_EQ(images.size(), 1u);
    const auto icon = images[0]->get_gicon();
    ASSERT_TRUE(icon);
    EXPECT_NE(icon->to_string().find(kind.name), std::string::npos) << icon->to_string();
    const auto buttons = Find<Gtk::Button>(*box);
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(AccessibleName(*buttons[0]), "OK");
    EXPECT_EQ(buttons[0]->get_label(), "");
    buttons[0]->activate();
    ASSERT_TRUE(test::PumpUntil([&] { return answer.has_value(); }));
    EXPECT_EQ(*answer, MsgResult::OK);
    test::PumpFor(50);
  }
}

// Every place of the chooser hands back a local path, or none for a file that is not on this
// computer.
TEST(GtkPrompts, AChosenFileIsTakenByItsLocalPath) {
  EXPECT_EQ(LocalPathOf(Gio::File::create_for_path("/tmp/a song.mp3")), "/tmp/a song.mp3");
  EXPECT_EQ(LocalPathOf(Gio::File::create_for_uri("file:///tmp/a%20song.mp3")), "/tmp/a song.mp3");
  EXPECT_EQ(LocalPathOf(Gio::File::create_for_uri("http://example.org/song.mp3")), std::nullopt);
}

}  // namespace
}  // namespace tarravelle
