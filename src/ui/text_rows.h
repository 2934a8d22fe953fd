#pragma once

#include <gtkmm/listitemfactory.h>

namespace tarravelle {

// The rows of a list view over a Gtk::StringList: one left-aligned label a row, ellipsized at
// the end, given the text of whichever item the row shows.
Glib::RefPtr<Gtk::ListItemFactory> TextRows();

}  // namespace tarravelle
