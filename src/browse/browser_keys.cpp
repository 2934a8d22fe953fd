#include "browse/browser_keys.h"

#include <gtkmm/shortcutcontroller.h>

namespace tarravelle {

BrowserKeys::BrowserKeys(Form1Controls& form, AddressBar& addressBar)
    : form_(form), addressBar_(addressBar) {
  form.wWeb->DownloadBegin.connect([this] { loading_ = true; });
  form.wWeb->DocumentComplete.connect(
      [this](const EngineFrame&, const std::string&) { loading_ = false; });

  // On the window itself: the engine hands back the keys its page did not use, and they reach
  // the window's own controllers after the page has had them.
  for (const bool beforePage : {true, false}) {
    auto keys = Gtk::ShortcutController::create();
    keys->set_scope(Gtk::ShortcutScope::LOCAL);
    keys->set_propagation_phase(beforePage ? Gtk::PropagationPhase::CAPTURE
                                           : Gtk::PropagationPhase::BUBBLE);
    for (const auto& key : kBrowserKeys) {
      if (key.beforePage != beforePage) continue;
      keys->add_shortcut(Gtk::Shortcut::create(
          Gtk::ShortcutTrigger::parse_string(std::string(key.trigger)),
          Gtk::CallbackAction::create(
              [this, action = key.action](Gtk::Widget&, const Glib::VariantBase&) {
                return Run(action);
              })));
    }
    form.window.add_controller(keys);
  }
}

bool BrowserKeys::Run(BrowserKeyAction action) {
  switch (action) {
    case BrowserKeyAction::Back:
      if (!form_.cmdBack.get_sensitive()) return false;
      addressBar_.cmdBack_Click();
      return true;
    case BrowserKeyAction::Forward:
      if (!form_.cmdForward.get_sensitive()) return false;
      addressBar_.cmdForward_Click();
      return true;
    case BrowserKeyAction::FocusAddress: {
      auto* entry = form_.cboURL.get_entry();
      if (!form_.cboURL.get_visible() || !entry->grab_focus()) return false;
      entry->select_region(0, -1);
      return true;
    }
    case BrowserKeyAction::StopLoading:
      if (!loading_) return false;
      addressBar_.cmdStop_Click();
      loading_ = false;
      return true;
    case BrowserKeyAction::Refresh: addressBar_.cmdRefresh_Click(); return true;
  }
  return false;
}

}  // namespace tarravelle
