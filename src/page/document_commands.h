#pragma once

#include <sigc++/trackable.h>

#include "ui/form1_controls.h"

namespace tarravelle {

// The zoom level of the engine's text size for a Text Size item: each item selects the size its
// caption names ("Larg&est", index 0, is the largest level, 4).
int TextSizeLevel(int itemIndex);

// The commands on the whole document: editing in place, page setup, print, print preview, save
// as, properties and the text size.
class DocumentCommands : public sigc::trackable {
 public:
  explicit DocumentCommands(Form1Controls& form);

  void mnuFileEdit_Click();
  void mnuFileEditOFF_Click();
  void mnuFilePageSetup_Click();
  void mnuFilePrint_Click();
  void cmdPrint_Click();
  void mnuFilePrintPreview_Click();
  void mnuFileSaveAs_Click();
  void mnuProperties_Click();
  void mnuViewTextSizeFont_Click(int index);
  // Ctrl+plus, Ctrl+minus and Ctrl+0: one text size larger, one smaller, and back to Medium.
  void StepTextSize(int steps);
  void ResetTextSize();

 private:
  Form1Controls& form_;
  int level_ = 2;  // the text size chosen last, Medium until one is
};

}  // namespace tarravelle
