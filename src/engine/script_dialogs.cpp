#include "engine/script_dialogs.h"

#include "ports/gobject_ptr.h"
#include "ui/accessible_label.h"

namespace tarravelle {
namespace {

// A dialog that follows the last one within this time comes "in quick succession".
constexpr std::int64_t kQuickSuccessionUs = 3 * G_USEC_PER_SEC;
// A page whose stopped dialogs came this recently is taken to be still asking (a loop).
constexpr std::int64_t kStillAskingUs = G_USEC_PER_SEC;

std::string HostOf(WebKitWebView* view) {
  const char* uri = webkit_web_view_get_uri(view);
  const GUriPtr parsed(uri ? g_uri_parse(uri, G_URI_FLAGS_NONE, nullptr) : nullptr);
  const char* host = parsed ? g_uri_get_host(parsed.get()) : nullptr;
  return host && *host ? host : "this page";
}

}  // namespace

ScriptDialogs::ScriptDialogs(WebKitWebView* view) : view_(view) {
  window_.set_resizable(false);
  window_.set_default_size(420, -1);
  box_.set_margin(16);
  message_.set_wrap(true);
  message_.set_max_width_chars(60);
  message_.set_xalign(0);
  message_.set_selectable(true);
  stop_.set_label("Stop this page from opening more dialogs");
  SetAccessibleLabel(entry_, "Answer");
  SetButtonCaption(ok_, "_OK");
  SetButtonCaption(cancel_, "_Cancel");
  buttons_.set_halign(Gtk::Align::END);
  buttons_.append(cancel_);
  buttons_.append(ok_);
  box_.append(message_);
  box_.append(entry_);
  box_.append(stop_);
  box_.append(buttons_);
  window_.set_child(box_);
  window_.set_default_widget(ok_);
  entry_.set_activates_default(true);
  ok_.signal_clicked().connect([this] { Answer(true, stop_.get_active()); });
  cancel_.signal_clicked().connect([this] { Answer(false, stop_.get_active()); });
  window_.signal_close_request().connect(
      [this] {
        Answer(false, stop_.get_active());
        return true;
      },
      false);
}

ScriptDialogs::~ScriptDialogs() { Close(false); }

gboolean ScriptDialogs::Show(WebKitScriptDialog* dialog) {
  // Leaving the page, or its dialogs stopped: answered at once, as cancelled, but for the
  // question whether to leave the page, which is yes.
  if (silenced_ || dialog_) {
    lastAnswered_ = g_get_monotonic_time();
    if (webkit_script_dialog_get_dialog_type(dialog) ==
        WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM) {
      webkit_script_dialog_confirm_set_confirmed(dialog, TRUE);
    }
    return TRUE;
  }
  dialog_ = webkit_script_dialog_ref(dialog);
  const auto type = webkit_script_dialog_get_dialog_type(dialog);
  window_.set_title("Message from " + HostOf(view_));
  message_.set_text(webkit_script_dialog_get_message(dialog));
  entry_.set_visible(type == WEBKIT_SCRIPT_DIALOG_PROMPT);
  if (type == WEBKIT_SCRIPT_DIALOG_PROMPT) {
    const char* text = webkit_script_dialog_prompt_get_default_text(dialog);
    entry_.set_text(text ? text : "");
  }
  cancel_.set_visible(type != WEBKIT_SCRIPT_DIALOG_ALERT);
  SetButtonCaption(ok_, type == WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM ? "_Leave" : "_OK");
  stop_.set_active(false);
  stop_.set_visible(lastClosed_ != 0 && g_get_monotonic_time() - lastClosed_ < kQuickSuccessionUs);
  GtkRoot* root = gtk_widget_get_root(GTK_WIDGET(view_));
  if (root && GTK_IS_WINDOW(root)) gtk_window_set_transient_for(window_.gobj(), GTK_WINDOW(root));
  window_.present();
  (type == WEBKIT_SCRIPT_DIALOG_PROMPT ? static_cast<Gtk::Widget&>(entry_) : ok_).grab_focus();
  return TRUE;
}

void ScriptDialogs::Answer(bool ok, bool stopDialogs) {
  if (!dialog_) return;
  if (stopDialogs) silenced_ = true;
  Close(ok);
}

void ScriptDialogs::Close(bool ok) {
  if (!dialog_) return;
  WebKitScriptDialog* dialog = dialog_;
  dialog_ = nullptr;
  const auto type = webkit_script_dialog_get_dialog_type(dialog);
  if (type == WEBKIT_SCRIPT_DIALOG_CONFIRM || type == WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM) {
    webkit_script_dialog_confirm_set_confirmed(dialog, ok);
  } else if (type == WEBKIT_SCRIPT_DIALOG_PROMPT && ok) {
    webkit_script_dialog_prompt_set_text(dialog, entry_.get_text().c_str());
  }
  window_.set_visible(false);
  lastClosed_ = g_get_monotonic_time();
  webkit_script_dialog_close(dialog);
  webkit_script_dialog_unref(dialog);
}

bool ScriptDialogs::StillAsking() const {
  return lastAnswered_ != 0 && g_get_monotonic_time() - lastAnswered_ < kStillAskingUs;
}

bool ScriptDialogs::Leave() {
  const bool looping = silenced_ && StillAsking();
  silenced_ = true;
  if (!dialog_) return looping;
  Close(dialog_ && webkit_script_dialog_get_dialog_type(dialog_) ==
                       WEBKIT_SCRIPT_DIALOG_BEFORE_UNLOAD_CONFIRM);
  return true;
}

void ScriptDialogs::PageStarted() {
  silenced_ = false;
  lastClosed_ = 0;
  lastAnswered_ = 0;
}

}  // namespace tarravelle
