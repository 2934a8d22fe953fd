#pragma once

#include <sigc++/trackable.h>

#include <array>
#include <memory>
#include <string_view>

#include "ports/lifetime.h"
#include "ports/prompts.h"
#include "ui/form1_controls.h"

namespace tarravelle {

// The controls a colour theme paints, after the window itself, in the order they are painted.
inline constexpr std::array<std::string_view, 28> kThemedControls{
    "cmdBack",  "cmdForward", "cmdGo",    "cmdStop",  "cmdRefresh", "cmdHome",   "cmdPopups",
    "cmdPrint", "cmdMail",    "lblDate",  "lblTimer", "lblStatus",  "cmdGoogle", "lblcaption2",
    "cboURL",   "lblAddress", "Label1",   "lblTime",  "lbl",        "lblFrame",  "lblcaption",
    "cmdPlay",  "cmdstop2",   "cmdpause", "cmdeject", "cmdclose2",  "cmdrewind", "cmdforward2"};

// Tools > Change Tarravelle Color: one colour from the colour chooser, painted as the background
// of the window and of its themed controls. Text colours stay; nothing is stored.
class ColourTheme : public sigc::trackable {
 public:
  ColourTheme(Form1Controls& form, Prompts& prompts);

  void mnuToolsChangeTheme_Click();

  // The colour the window's chooser holds: the last one confirmed, black before any.
  RgbColour DialogColour() const { return dialogColour_; }

 private:
  void Paint(RgbColour colour);

  Form1Controls& form_;
  Prompts& prompts_;
  RgbColour dialogColour_ = 0x000000;
  // Lets a chooser answered after the window has gone find nothing.
  Lifetime lifetime_;
};

}  // namespace tarravelle
