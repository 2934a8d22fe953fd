#include "dialogs/help_about.h"

#include <glibmm/main.h>

namespace tarravelle {

HelpAbout::HelpAbout(Form1Controls& form, Shell* shell) : form_(form), shell_(shell) {
  form.Menu("mnuHelpAbout").signal_click().connect([this](int) { mnuHelpAbout_Click(); });
}

void HelpAbout::mnuHelpAbout_Click() {
  form_.window.set_sensitive(false);
  if (!about_) {
    about_ = std::make_unique<frmTesters>(shell_, [this] { Unload(); });
    about_->set_transient_for(form_.window);
  }
  about_->present();
}

void HelpAbout::Unload() {
  unloading_.Take(std::move(about_));
  form_.window.set_sensitive(true);
}

}  // namespace tarravelle
