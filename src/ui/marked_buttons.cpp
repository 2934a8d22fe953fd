#include "ui/marked_buttons.h"

#include <gtkmm/window.h>

#include "ui/accessible_label.h"

namespace tarravelle {
namespace {

void OnWindowsChanged(GListModel* windows, guint position, guint, guint added, gpointer) {
  for (guint i = position; i < position + added; ++i) {
    auto* window = static_cast<GtkWindow*>(g_list_model_get_item(windows, i));
    if (!window) continue;
    // Once shown: a dialog builds the rest of its controls as it is shown.
    g_signal_connect(window, "map", G_CALLBACK(+[](GtkWidget* shown, gpointer) {
                       NameMarkedButtons(*Glib::wrap(shown));
                     }),
                     nullptr);
    g_object_unref(window);
  }
}

}  // namespace

void NameMarkedButtonsOfEveryWindow() {
  // The list of every window GTK has; it lives as long as GTK does.
  GListModel* windows = gtk_window_get_toplevels();
  g_signal_connect(windows, "items-changed", G_CALLBACK(OnWindowsChanged), nullptr);
  OnWindowsChanged(windows, 0, 0, g_list_model_get_n_items(windows), nullptr);
}

}  // namespace tarravelle
