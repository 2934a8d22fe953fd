#include "ui/address_combo.h"

#include <gtkmm/eventcontrollerkey.h>

#include "ui/accessible_label.h"
#include "ui/text_rows.h"

namespace tarravelle {
namespace {

// The list is never taller than this; it scrolls beyond.
constexpr int kMostListHeight = 320;

}  // namespace

AddressComboBox::AddressComboBox() : Gtk::Box(Gtk::Orientation::HORIZONTAL) {
  add_css_class("linked");
  add_css_class("address-combo");
  entry_.set_hexpand(true);
  Gtk::Box::append(entry_);

  items_ = Gtk::StringList::create({});
  selection_ = Gtk::SingleSelection::create(items_);
  selection_->set_autoselect(false);
  selection_->set_can_unselect(true);
  list_.set_factory(TextRows());
  list_.set_single_click_activate(true);
  list_.signal_activate().connect([this](guint index) { Choose(index); });
  SetAccessibleLabel(list_, "Typed addresses");
  scroller_.set_child(list_);
  scroller_.set_policy(Gtk::PolicyType::NEVER, Gtk::PolicyType::AUTOMATIC);
  scroller_.set_propagate_natural_height(true);
  scroller_.set_max_content_height(kMostListHeight);
  popover_.set_child(scroller_);
  popover_.set_has_arrow(false);
  popover_.set_position(Gtk::PositionType::BOTTOM);
  // The list is as wide as the whole drop-down, and opens under its left edge.
  // The list view follows the list only while it shows: watching it all the time makes every
  // append cost more the longer the list grows.
  popover_.signal_show().connect([this] {
    list_.set_model(selection_);
    scroller_.set_size_request(get_width(), -1);
    // A pop-up is centred under its button, which is at the right end.
    popover_.set_offset((button_.get_width() - get_width()) / 2, 0);
  });
  popover_.signal_closed().connect([this] { list_.set_model({}); });
  button_.set_popover(popover_);
  button_.set_icon_name("pan-down-symbolic");
  button_.set_focusable(false);
  button_.set_tooltip_text("Typed addresses");
  SetAccessibleLabel(button_, "Typed addresses");
  // Like a combo box's, the button only opens a list that has something in it.
  button_.set_sensitive(false);
  Gtk::Box::append(button_);

  // Alt+Down (or F4) in the field opens the list, as in a combo box.
  auto keys = Gtk::EventControllerKey::create();
  keys->signal_key_pressed().connect(
      [this](guint key, guint, Gdk::ModifierType state) {
        const bool alt = (state & Gdk::ModifierType::ALT_MASK) == Gdk::ModifierType::ALT_MASK;
        if ((alt && (key == GDK_KEY_Down || key == GDK_KEY_KP_Down)) || key == GDK_KEY_F4) {
          ShowList(!ListShown());
          return true;
        }
        return false;
      },
      false);
  entry_.add_controller(keys);
}

void AddressComboBox::append(const std::string& text) {
  items_->append(text);
  button_.set_sensitive(true);
}

void AddressComboBox::remove_text(int position) {
  if (position < 0 || static_cast<unsigned>(position) >= ItemCount()) return;
  items_->remove(static_cast<guint>(position));
  button_.set_sensitive(ItemCount() > 0);
}

void AddressComboBox::ShowList(bool show) {
  if (show && ItemCount() == 0) return;
  if (show) {
    popover_.popup();
    list_.grab_focus();
  } else {
    popover_.popdown();
  }
}

void AddressComboBox::Choose(unsigned index) {
  if (index >= ItemCount()) return;
  entry_.set_text(Item(index));
  selection_->set_selected(GTK_INVALID_LIST_POSITION);
  popover_.popdown();
  entry_.grab_focus_without_selecting();
  entry_.set_position(-1);
}

}  // namespace tarravelle
