#pragma once

#include <sigc++/trackable.h>

#include "ports/browser_engine.h"
#include "ui/form1_controls.h"

namespace tarravelle {

// The pop-up switch (its state is the caption of cmdPopups) and the Work Offline mark.
class PopupSwitch : public sigc::trackable {
 public:
  explicit PopupSwitch(Form1Controls& form);

  void cmdPopups_Click();
  void wWeb_NewWindow2(NewWindowRequest& request);
  void mnuFileWorkOffline_Click();

 private:
  Form1Controls& form_;
};

}  // namespace tarravelle
