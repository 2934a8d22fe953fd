#pragma once

#include <sigc++/trackable.h>

#include <memory>

#include "ports/lifetime.h"
#include "ui/form1_controls.h"

namespace tarravelle {

// The Edit menu: Undo, Cut, Copy, Paste, Select All, Select None and Find, on the page or on the
// address bar, whichever the command and the keyboard focus choose.
class EditCommands : public sigc::trackable {
 public:
  explicit EditCommands(Form1Controls& form);
  ~EditCommands();

  void mnuEditUndo_Click();
  void mnuEditCut_Click();
  void mnuEditCopy_Click();
  void mnuEditPaste_Click();
  void mnuEditSelectAll_Click();
  void mnuEditSelectNone_Click();
  void mnuEditFind_Click();

 private:
  Form1Controls& form_;
  sigc::connection find_;
  // Lets a clipboard answer that comes after these commands have gone find nothing.
  Lifetime lifetime_;
};

}  // namespace tarravelle
