#pragma once

#include <sigc++/trackable.h>

#include <string>

namespace tarravelle {

class Form1;
class Prompts;

// The address that Go sends for a typed text: unchanged when it already begins with a scheme,
// otherwise "http://" in front of it exactly as typed.
std::string NormaliseAddress(const std::string& typed);

// The address bar and the navigation buttons of a main window, and their View menu items.
class AddressBar : public sigc::trackable {
 public:
  AddressBar(Form1& form, Prompts& prompts);

  void cmdGo_Click();
  // Every key pressed in the address bar but Enter, which runs the default button instead.
  void cboURL_KeyDown();
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
  Form1& form_;
  Prompts& prompts_;
};

}  // namespace tarravelle
