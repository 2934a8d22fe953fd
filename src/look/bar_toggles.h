#pragma once

#include <sigc++/trackable.h>

#include <initializer_list>

#include "ui/form1_controls.h"

namespace tarravelle {

// View > Standard Buttons, Address Bar and GoogleBar: each shows or hides its group of controls
// and its check mark says which. Only visibility changes; nothing moves.
class BarToggles : public sigc::trackable {
 public:
  explicit BarToggles(Form1Controls& form);

  void mnuStandardButtons_Click();
  void mnuAddressBar_Click();
  void mnuGooglebar_Click();

 private:
  void Toggle(MenuItem& item, std::initializer_list<Gtk::Widget*> group);

  Form1Controls& form_;
};

}  // namespace tarravelle
