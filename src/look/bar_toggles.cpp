#include "look/bar_toggles.h"

namespace tarravelle {

BarToggles::BarToggles(Form1Controls& form) : form_(form) {
  form.Menu("mnuStandardButtons").signal_click().connect([this](int) {
    mnuStandardButtons_Click();
  });
  form.Menu("mnuAddressBar").signal_click().connect([this](int) { mnuAddressBar_Click(); });
  form.Menu("mnuGooglebar").signal_click().connect([this](int) { mnuGooglebar_Click(); });
}

void BarToggles::Toggle(MenuItem& item, std::initializer_list<Gtk::Widget*> group) {
  const bool show = !item.Checked();
  for (Gtk::Widget* control : group) control->set_visible(show);
  item.SetChecked(show);
}

void BarToggles::mnuStandardButtons_Click() {
  Toggle(form_.Menu("mnuStandardButtons"),
         {&form_.cmdBack, &form_.cmdForward, &form_.cmdStop, &form_.cmdHome, &form_.cmdRefresh,
          &form_.cmdPrint, &form_.cmdMail, &form_.cmdPopups});
}

void BarToggles::mnuAddressBar_Click() {
  Toggle(form_.Menu("mnuAddressBar"), {&form_.lblAddress, &form_.cboURL, &form_.cmdGo});
}

void BarToggles::mnuGooglebar_Click() {
  Toggle(form_.Menu("mnuGooglebar"), {&form_.cmdGoogle, &form_.txtSearch});
}

}  // namespace tarravelle
