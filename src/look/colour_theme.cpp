#include "look/colour_theme.h"

#include <algorithm>
#include <vector>

#include "ui/form_css.h"

namespace tarravelle {

ColourTheme::ColourTheme(Form1Controls& form, Prompts& prompts) : form_(form), prompts_(prompts) {
  form.Menu("mnuToolsChangeTheme").signal_click().connect([this](int) {
    mnuToolsChangeTheme_Click();
  });
}

void ColourTheme::mnuToolsChangeTheme_Click() {
  prompts_.ChooseColour(&form_.window, lifetime_.Guard([this](std::optional<RgbColour> chosen) {
    // A cancelled chooser keeps the colour it held, and that colour is painted all the same.
    if (chosen) dialogColour_ = *chosen;
    Paint(dialogColour_);
  }));
}

void ColourTheme::Paint(RgbColour colour) {
  // The design with the new backgrounds; the window's style sheet is rewritten in one pass, so
  // hidden controls show the colour when they are shown again. (The old program also handed
  // the colour to cmdBack's caption font as a face name; a colour is no font, so that changes
  // nothing here.)
  std::vector<ControlDesign> painted(kForm1Controls.begin(), kForm1Controls.end());
  for (auto& design : painted) {
    if (std::ranges::find(kThemedControls, design.name) != kThemedControls.end()) {
      design.backColour = static_cast<Colour>(colour);
    }
  }
  form_.look.Set(DesignCss(form_.look.Scope(), painted, static_cast<Colour>(colour)));
}

}  // namespace tarravelle
