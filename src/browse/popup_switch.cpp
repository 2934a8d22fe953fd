#include "browse/popup_switch.h"

namespace tarravelle {
namespace {
constexpr const char* kBlocking = "Pop-ups Disabled";
}

PopupSwitch::PopupSwitch(Form1Controls& form) : form_(form) {
  form.cmdPopups.signal_clicked().connect([this] { cmdPopups_Click(); });
  form.wWeb->NewWindow2.connect(sigc::mem_fun(*this, &PopupSwitch::wWeb_NewWindow2));
  form.Menu("mnuFileWorkOffline").signal_click().connect([this](int) {
    mnuFileWorkOffline_Click();
  });
}

void PopupSwitch::cmdPopups_Click() {
  if (form_.cmdPopups.Caption() == kBlocking) {
    form_.lblcaption2.set_text("Allowing Popups");
    form_.cmdPopups.SetCaption("Pop-ups Enabled");
  } else {
    form_.lblcaption2.set_text("Popups NOT Allowed");
    form_.cmdPopups.SetCaption(kBlocking);
  }
}

void PopupSwitch::wWeb_NewWindow2(NewWindowRequest& request) {
  if (form_.cmdPopups.Caption() != kBlocking) return;
  request.Cancel = true;
  // A link or form the person chose may open a new window: nothing opening is said.
  form_.lblStatus.set_text(request.url.empty() ? "Pop-up blocked"
                                               : "Pop-up blocked: " + request.url);
}

void PopupSwitch::mnuFileWorkOffline_Click() {
  auto& item = form_.Menu("mnuFileWorkOffline");
  item.SetChecked(!item.Checked());
}

}  // namespace tarravelle
