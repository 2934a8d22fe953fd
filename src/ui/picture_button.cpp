#include "ui/picture_button.h"

#include <gdkmm/texture.h>

#include "ui/accessible_label.h"

namespace tarravelle {

std::string PicturePath(const std::string& name) {
  return "/org/tarravelle/Tarravelle/pictures/" + name + ".png";
}

PictureButton::PictureButton() {
  add_css_class("picture-button");
  box_.set_valign(Gtk::Align::CENTER);
  box_.set_halign(Gtk::Align::CENTER);
  picture_.set_can_shrink(false);
  picture_.set_visible(false);
  caption_.set_visible(false);
  caption_.set_justify(Gtk::Justification::CENTER);
  caption_.set_wrap(true);
  box_.append(picture_);
  box_.append(caption_);
  set_child(box_);
}

std::string PictureButton::Caption() const { return caption_.get_text(); }

void PictureButton::SetCaption(const std::string& caption) {
  caption_.set_text(caption);
  caption_.set_visible(!caption.empty());
  if (!caption.empty()) SetAccessibleLabel(*this, caption);
}

void PictureButton::SetPicture(const std::string& name) {
  picture_.set_paintable(Gdk::Texture::create_from_resource(PicturePath(name)));
  picture_.set_visible(true);
}

void PictureButton::Press() { g_signal_emit_by_name(gobj(), "clicked"); }

}  // namespace tarravelle
