#pragma once

#include <sigc++/connection.h>
#include <sigc++/trackable.h>

#include <memory>

#include "dialogs/about_dialog.h"
#include "ports/shell.h"
#include "ui/form1_controls.h"
#include "ui/unloaded_window.h"

namespace tarravelle {

// Help > About: the about dialog over this main window, which waits, disabled, until the
// dialog's OK.
class HelpAbout : public sigc::trackable {
 public:
  HelpAbout(Form1Controls& form, Shell* shell);

  void mnuHelpAbout_Click();
  // The about dialog while it is open, or null.
  frmTesters* About() const { return about_.get(); }

 private:
  void Unload();

  Form1Controls& form_;
  Shell* shell_;
  std::unique_ptr<frmTesters> about_;
  UnloadedWindow<frmTesters> unloading_;
};

}  // namespace tarravelle
