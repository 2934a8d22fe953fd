#pragma once

#include <gtkmm/accessible.h>

#include <string>

namespace tarravelle {

// Gives a widget the name that assistive technology reads out.
inline void SetAccessibleLabel(Gtk::Accessible& widget, const std::string& label) {
  Glib::Value<Glib::ustring> value;
  value.init(Glib::Value<Glib::ustring>::value_type());
  value.set(label);
  widget.update_property(Gtk::Accessible::Property::LABEL, value);
}

}  // namespace tarravelle
