#pragma once

#include <sigc++/trackable.h>

#include "app/browser_engine.h"

namespace tarravelle {

class Form1;

// The pop-up switch (its state is the caption of cmdPopups) and the Work Offline mark.
class PopupSwitch : public sigc::trackable {
 public:
  explicit PopupSwitch(Form1& form);

  void cmdPopups_Click();
  void wWeb_NewWindow2(NewWindowRequest& request);
  void mnuFileWorkOffline_Click();

 private:
  Form1& form_;
};

}  // namespace tarravelle
