#pragma once

#include <sigc++/trackable.h>

#include <string>

#include "ports/address.h"
#include "ui/form1_controls.h"

namespace tarravelle {

// The search box and its button.
class SearchBar : public sigc::trackable {
 public:
  explicit SearchBar(Form1Controls& form);

  void cmdGoogle_Click();
  // Enter in the search box: a search, as the button does.
  void txtSearch_Activate();

 private:
  Form1Controls& form_;
};

}  // namespace tarravelle
