#include "browse/address_bar.h"

#include <gtkmm/eventcontrollerkey.h>

namespace tarravelle {
namespace {

bool IsEnter(guint key) {
  return key == GDK_KEY_Return || key == GDK_KEY_KP_Enter || key == GDK_KEY_ISO_Enter;
}

}  // namespace

AddressBar::AddressBar(Form1Controls& form, Prompts& prompts) : form_(form), prompts_(prompts) {
  form.cmdGo.signal_clicked().connect([this] { cmdGo_Click(); });
  form.cmdBack.signal_clicked().connect([this] { cmdBack_Click(); });
  form.cmdForward.signal_clicked().connect([this] { cmdForward_Click(); });
  form.cmdStop.signal_clicked().connect([this] { cmdStop_Click(); });
  form.cmdRefresh.signal_clicked().connect([this] { cmdRefresh_Click(); });
  form.cmdHome.signal_clicked().connect([this] { cmdHome_Click(); });
  form.Menu("mnuViewGoToBack").signal_click().connect([this](int) { mnuViewGoToBack_Click(); });
  form.Menu("mnuViewGoToForward").signal_click().connect([this](int) {
    mnuViewGoToForward_Click();
  });
  form.Menu("mnuViewGoToHome").signal_click().connect([this](int) { mnuViewGoToHome_Click(); });
  form.Menu("mnuViewRefresh").signal_click().connect([this](int) { mnuViewRefresh_Click(); });

  // Back and Forward, buttons and menu items alike, can be used exactly when the page history
  // has somewhere to go.
  form.wWeb->CommandStateChange.connect([this](EngineCommandState command, bool enable) {
    wWeb_CommandStateChange(command, enable);
  });

  // The entry's inner text takes typed keys first, so the address bar listens as they pass by.
  auto keys = Gtk::EventControllerKey::create();
  keys->set_propagation_phase(Gtk::PropagationPhase::CAPTURE);
  keys->signal_key_pressed().connect(
      [this](guint key, guint, Gdk::ModifierType) {
        if (!IsEnter(key)) cboURL_KeyDown();
        return false;  // the key still reaches the field
      },
      false);
  form.cboURL.add_controller(keys);

  // Pasted, dropped or typed alike, a text that would make the address longer than the field
  // holds is refused whole: the field would keep only its start, and Go would load an address
  // the person never gave.
  text_ = gtk_editable_get_delegate(GTK_EDITABLE(form.cboURL.get_entry()->gobj()));
  insertText_ = g_signal_connect(text_, "insert-text", G_CALLBACK(&AddressBar::OnInsertText), this);
}

AddressBar::~AddressBar() { g_signal_handler_disconnect(text_, insertText_); }

void AddressBar::OnInsertText(GtkEditable* text, const char* added, int length, int*,
                              gpointer data) {
  auto* self = static_cast<AddressBar*>(data);
  const auto characters = static_cast<std::size_t>(g_utf8_strlen(added, length < 0 ? -1 : length));
  if (self->FitsAddressBar(characters)) return;
  g_signal_stop_emission_by_name(text, "insert-text");
  self->form_.lblStatus.set_text(TooLongText(characters));
}

bool AddressBar::FitsAddressBar(std::size_t added) const {
  const Gtk::Entry& entry = *form_.cboURL.get_entry();
  int start = 0, end = 0;
  const int selected = entry.get_selection_bounds(start, end) ? end - start : 0;
  return entry.get_text_length() - selected + added <= kLongestAddress;
}

std::string AddressBar::TooLongText(std::size_t characters) {
  return "Not put in the address bar: the text has " + std::to_string(characters) +
         " characters, and an address there may have at most " + std::to_string(kLongestAddress) +
         ".";
}

void AddressBar::cmdGo_Click() {
  // As typed: the engine's fix-up puts "http://" in front of an address without a scheme, and
  // its page for a text that is no address shows the text as the person wrote it.
  form_.wWeb->Navigate(form_.cboURL.get_active_text());
  form_.cboURL.append(form_.cboURL.get_active_text());
}

void AddressBar::cboURL_KeyDown() {
  form_.txtSearch.set_text("");
  if (form_.Menu("mnuFileWorkOffline").Checked()) {
    prompts_.MsgBox(&form_.window, "WorkOffline Option is Enabled, Please Disable to continue",
                    "WorkOffline", MsgIcon::Information, MsgButtons::OK);
  }
}

void AddressBar::wWeb_CommandStateChange(EngineCommandState command, bool enable) {
  const bool back = command == EngineCommandState::NavigateBack;
  (back ? form_.cmdBack : form_.cmdForward).set_sensitive(enable);
  (back ? form_.Menu("mnuViewGoToBack") : form_.Menu("mnuViewGoToForward")).SetEnabled(enable);
}

void AddressBar::cmdBack_Click() { form_.wWeb->GoBack(); }

void AddressBar::cmdForward_Click() { form_.wWeb->GoForward(); }
void AddressBar::cmdStop_Click() { form_.wWeb->Stop(); }
void AddressBar::cmdRefresh_Click() { form_.wWeb->Refresh(); }
void AddressBar::cmdHome_Click() { form_.wWeb->GoHome(); }
void AddressBar::mnuViewGoToBack_Click() { form_.wWeb->GoBack(); }
void AddressBar::mnuViewGoToForward_Click() { form_.wWeb->GoForward(); }
void AddressBar::mnuViewGoToHome_Click() { form_.wWeb->GoHome(); }
void AddressBar::mnuViewRefresh_Click() { form_.wWeb->Refresh(); }

}  // namespace tarravelle
