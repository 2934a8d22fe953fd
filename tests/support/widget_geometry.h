#pragma once

#include <gtkmm/fixed.h>

#include <utility>

namespace tarravelle::test {

// Where a child was put in a fixed container, in pixels.
std::pair<double, double> PutPosition(Gtk::Fixed& fixed, Gtk::Widget& child);
// Where a widget is drawn, relative to another, in pixels (once laid out).
std::pair<double, double> DrawnPosition(Gtk::Widget& widget, Gtk::Widget& relativeTo);
// Puts the focus into the field and sends "activate" the way Enter in the field does, through its
// inner text widget.
void PressEnterIn(Gtk::Widget& editable);

}  // namespace tarravelle::test
