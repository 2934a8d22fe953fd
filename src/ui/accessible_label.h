#pragma once

#include <gtkmm/accessible.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>

#include <string>
#include <string_view>

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

// A caption with its access key marked by "_" ("_Close") as it reads: without the mark.
inline std::string MarkedCaptionText(const std::string& caption) {
  std::string read;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '_' && i + 1 < caption.size()) ++i;  // "__" reads as one "_"
    read += caption[i];
  }
  return read;
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
  // The program's own copy of the name it is read by.
  g_object_set_data_full(G_OBJECT(button.gobj()), kAccessibleLabelKey,
                         g_strdup(MarkedCaptionText(caption).c_str()), g_free);
}

// GTK's own dialogs caption their buttons with an access key ("_Cancel"), and GTK 4.8 reads
// such a button by its caption, mark included, followed by its text ("_Cancel Cancel"). Each
// such button under `root` is left to be read by its text alone ("Cancel"). The items of a
// menu made from a menu model, which GTK 4.14 and later leave without a name, are named after
// their caption.
inline void NameMarkedButtons(Gtk::Widget& root) {
  for (auto* child = root.get_first_child(); child; child = child->get_next_sibling()) {
    auto* button = dynamic_cast<Gtk::Button*>(child);
    if (button && button->get_use_underline() && !button->get_label().empty()) {
      button->reset_property(Gtk::Accessible::Property::LABEL);
      const std::string read = MarkedCaptionText(button->get_label());
      g_object_set_data_full(G_OBJECT(button->gobj()), kAccessibleLabelKey, g_strdup(read.c_str()),
                             g_free);
    } else if (std::string_view(G_OBJECT_TYPE_NAME(child->gobj())) == "GtkModelButton" &&
               gtk_get_minor_version() >= 14) {
      gchar* caption = nullptr;
      g_object_get(child->gobj(), "text", &caption, nullptr);
      if (caption && *caption) {
        gtk_accessible_reset_relation(GTK_ACCESSIBLE(child->gobj()),
                                      GTK_ACCESSIBLE_RELATION_LABELLED_BY);
        SetAccessibleLabel(*child, MarkedCaptionText(caption));
      }
      g_free(caption);
    }
    NameMarkedButtons(*child);
  }
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
