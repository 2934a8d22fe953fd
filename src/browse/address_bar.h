#pragma once

#include <sigc++/trackable.h>

#include "ports/prompts.h"
#include "ui/form1_controls.h"

namespace tarravelle {

// The address bar and the navigation buttons of a main window, and their View menu items.
class AddressBar : public sigc::trackable {
 public:
  AddressBar(Form1Controls& form, Prompts& prompts);

  void cmdGo_Click();
  // Every key pressed in the address bar but Enter, which runs the default button instead.
  void cboURL_KeyDown();
  // The engine says that going back or forward has become possible or impossible.
  void wWeb_CommandStateChange(EngineCommandState command, bool enable);
  void cmdBack_Click();
  void cmdForward_Click();
  void cmdStop_Click();
  void cmdRefresh_Click();
  void cmdHome_Click();
  void mnuViewGoToBack_Click();
  void mnuViewGoToForward_Click();
  void mnuViewGoToHome_Click();
  void mnuViewRefresh_Click();

 private:
  Form1Controls& form_;
  Prompts& prompts_;
};

}  // namespace tarravelle
