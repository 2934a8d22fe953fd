#include "support/widget_geometry.h"

#include <gtk/gtk.h>

namespace tarravelle::test {

std::pair<double, double> PutPosition(Gtk::Fixed& fixed, Gtk::Widget& child) {
  GtkLayoutManager* layout = gtk_widget_get_layout_manager(GTK_WIDGET(fixed.gobj()));
  auto* layoutChild =
      GTK_FIXED_LAYOUT_CHILD(gtk_layout_manager_get_layout_child(layout, child.gobj()));
  float x = 0, y = 0;
  gsk_transform_to_translate(gtk_fixed_layout_child_get_transform(layoutChild), &x, &y);
  return {x, y};
}

std::pair<double, double> DrawnPosition(Gtk::Widget& widget, Gtk::Widget& relativeTo) {
  graphene_point_t origin = GRAPHENE_POINT_INIT(0, 0), point;
  if (!gtk_widget_compute_point(widget.gobj(), relativeTo.gobj(), &origin, &point)) return {-1, -1};
  return {point.x, point.y};
}

void PressEnterIn(Gtk::Widget& editable) {
  editable.grab_focus();
  GtkEditable* delegate = gtk_editable_get_delegate(GTK_EDITABLE(editable.gobj()));
  g_signal_emit_by_name(delegate ? static_cast<gpointer>(delegate) : editable.gobj(), "activate");
}

}  // namespace tarravelle::test
