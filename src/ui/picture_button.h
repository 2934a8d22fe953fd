#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/picture.h>

#include <string>

namespace tarravelle {

// A push button in graphical style: a picture (when it has one) with the caption beneath it.
class PictureButton : public Gtk::Button {
 public:
  PictureButton();

  std::string Caption() const;
  void SetCaption(const std::string& caption);
  // A picture of the program's resources, shown at its own size.
  void SetPicture(const std::string& name);
  bool HasPicture() const { return picture_.get_paintable() != nullptr; }
  // Runs the button's click action, as a press by the person would.
  void Press();

 private:
  Gtk::Box box_{Gtk::Orientation::VERTICAL, 0};
  Gtk::Picture picture_;
  Gtk::Label caption_;
};

// The resource path of a picture of the program.
std::string PicturePath(const std::string& name);

}  // namespace tarravelle
