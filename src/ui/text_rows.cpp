#include "ui/text_rows.h"

#include <gtkmm/label.h>
#include <gtkmm/listitem.h>
#include <gtkmm/signallistitemfactory.h>
#include <gtkmm/stringobject.h>

namespace tarravelle {

Glib::RefPtr<Gtk::ListItemFactory> TextRows() {
  auto factory = Gtk::SignalListItemFactory::create();
  factory->signal_setup().connect([](const Glib::RefPtr<Gtk::ListItem>& row) {
    auto* label = Gtk::make_managed<Gtk::Label>();
    label->set_xalign(0);
    label->set_ellipsize(Pango::EllipsizeMode::END);
    row->set_child(*label);
  });
  factory->signal_bind().connect([](const Glib::RefPtr<Gtk::ListItem>& row) {
    auto item = std::dynamic_pointer_cast<Gtk::StringObject>(row->get_item());
    if (auto* label = dynamic_cast<Gtk::Label*>(row->get_child()); label && item) {
      label->set_text(item->get_string());
    }
  });
  return factory;
}

}  // namespace tarravelle
