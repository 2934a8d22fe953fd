#pragma once

#include <sigc++/trackable.h>

#include <cstddef>
#include <string>

#include "ports/prompts.h"
#include "ui/form1_controls.h"

namespace tarravelle {

// The address bar and the navigation buttons of a main window, and their View menu items.
class AddressBar : public sigc::trackable {
 public:
  // The most characters the address field holds.
  static constexpr std::size_t kLongestAddress = 65534;

  AddressBar(Form1Controls& form, Prompts& prompts);
  ~AddressBar();
  AddressBar(const AddressBar&) = delete;
  AddressBar& operator=(const AddressBar&) = delete;

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
  static void OnInsertText(GtkEditable* text, const char* added, int length, int* position,
                           gpointer data);
  // Whether `added` characters, put in place of the selection, leave an address the field holds.
  bool FitsAddressBar(std::size_t added) const;
  static std::string TooLongText(std::size_t characters);

  Form1Controls& form_;
  Prompts& prompts_;
  GtkEditable* text_ = nullptr;  // the address field's text, which outlives this
  gulong insertText_ = 0;
};

}  // namespace tarravelle
