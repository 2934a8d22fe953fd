#pragma once

#include <gtkmm/box.h>
#include <gtkmm/entry.h>
#include <gtkmm/listview.h>
#include <gtkmm/menubutton.h>
#include <gtkmm/popover.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/singleselection.h>
#include <gtkmm/stringlist.h>

#include <string>

namespace tarravelle {

// An editable drop-down: an edit field, and beside it a button that opens the list of the texts
// appended to it; choosing one puts it into the field. GTK's own combo box makes a row widget
// for every item of its pop-up each time the list changes, so an append cost grows with the
// list (7 ms at 10,000 items); here the list is a list view that makes rows only for the items
// in sight, and an append costs the same at any length.
class AddressComboBox : public Gtk::Box {
 public:
  AddressComboBox();

  Gtk::Entry* get_entry() { return &entry_; }
  const Gtk::Entry* get_entry() const { return &entry_; }
  std::string get_active_text() const { return entry_.get_text(); }

  // Adds a text at the end of the list.
  void append(const std::string& text);
  void remove_text(int position);
  unsigned ItemCount() const { return items_->get_n_items(); }
  std::string Item(unsigned index) const { return items_->get_string(index); }

  // Opens or closes the list, as the button and Alt+Down do.
  void ShowList(bool show);
  bool ListShown() const { return popover_.get_visible(); }
  // Puts the item at `index` into the field and closes the list, as a click on it does.
  void Choose(unsigned index);

 protected:
  // Taking the focus puts it into the field, as a combo box does.
  bool grab_focus_vfunc() override { return entry_.grab_focus(); }

 private:
  Gtk::Entry entry_;
  Gtk::MenuButton button_;
  Gtk::Popover popover_;
  Gtk::ScrolledWindow scroller_;
  Gtk::ListView list_;
  Glib::RefPtr<Gtk::StringList> items_;
  Glib::RefPtr<Gtk::SingleSelection> selection_;
};

}  // namespace tarravelle
