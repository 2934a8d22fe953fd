#include "app/program_resources.h"

#include <gdkmm/display.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/icontheme.h>
#include <gtkmm/stylecontext.h>

extern "C" void tarravelle_register_resource(void);

namespace tarravelle {

void LoadProgramResources() {
  static bool loaded = false;
  if (loaded) return;
  loaded = true;
  tarravelle_register_resource();
  auto display = Gdk::Display::get_default();
  if (!display) return;
  Gtk::IconTheme::get_for_display(display)->add_resource_path("/org/tarravelle/Tarravelle/icons");
  auto css = Gtk::CssProvider::create();
  css->load_from_resource("/org/tarravelle/Tarravelle/css/tarravelle.css");
  Gtk::StyleContext::add_provider_for_display(display, css,
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

}  // namespace tarravelle
