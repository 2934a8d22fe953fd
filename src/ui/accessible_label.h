#pragma once

#include <gtkmm/accessible.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include <string>

namespace tarravelle {

inline constexpr const char* kAccessibleLabelKey = "tarravelle-accessible-label";

// Gives a widget the name that assistive technology reads out.
inline void SetAccessibleLabel(Gtk::Widget& widget, const std::string& label) {
  Glib::Value<Glib::ustring> value;
  value.init(Glib::Value<Glib::ustring>::value_type());
  value.set(label);
  widget.update_property(Gtk::Accessible::Property::LABEL, value);
  // GTK keeps the name to itself; this copy lets the program (and its tests) read it back.
  g_object_set_data_full(G_OBJECT(widget.gobj()), kAccessibleLabelKey, g_strdup(label.c_str()),
                         g_free);
}

// A button's caption with its access key marked by "_" ("_Close"); it is read without the mark.
inline void SetButtonCaption(Gtk::Button& button, const std::string& caption) {
  // A label of the button's own, rather than the button's label text: GTK reads a button by its
  // label text and its content together ("_Close Close"), and by its content alone here.
  // A caption given again goes into the same label: a new child each time is read with the old
  // one's text until the accessibility tree catches up ("OK OK").
  if (auto* label = dynamic_cast<Gtk::Label*>(button.get_child())) {
    if (label->get_label() != Glib::ustring(caption)) label->set_text_with_mnemonic(caption);
  } else {
    label = Gtk::make_managed<Gtk::Label>(caption, true);
    label->set_mnemonic_widget(button);
    button.set_child(*label);
  }
  std::string read;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '_' && i + 1 < caption.size()) ++i;  // "__" reads as one "_"
    read += caption[i];
  }
  // The program's own copy of the name it is read by.
  g_object_set_data_full(G_OBJECT(button.gobj()), kAccessibleLabelKey, g_strdup(read.c_str()),
                         g_free);
}

// The name a widget is read by: the one given to it, or else the text it shows (a label's text,
// a button's own label as it stands); empty when it has neither.
inline std::string AccessibleName(Gtk::Widget& widget) {
  if (const auto* given = static_cast<const char*>(
          g_object_get_data(G_OBJECT(widget.gobj()), kAccessibleLabelKey))) {
    return given;
  }
  if (auto* label = dynamic_cast<Gtk::Label*>(&widget)) return label->get_label();
  if (auto* button = dynamic_cast<Gtk::Button*>(&widget)) return button->get_label();
  return {};
}

}  // namespace tarravelle
