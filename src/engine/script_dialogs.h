#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/entry.h>
#include <gtkmm/label.h>
#include <gtkmm/window.h>
#include <webkit/webkit.h>

#include <cstdint>
#include <memory>

namespace tarravelle {

// The dialogs a page opens (alert, confirm, prompt, leaving a page), in a window of the engine's
// own that never holds the program's window. A page that opens dialogs in quick succession is
// offered to be stopped, and a navigation the person starts always leaves the page: the open
// dialog is cancelled, and the page's further dialogs are answered at once until the next page
// loads.
class ScriptDialogs {
 public:
  explicit ScriptDialogs(WebKitWebView* view);
  ~ScriptDialogs();
  ScriptDialogs(const ScriptDialogs&) = delete;
  ScriptDialogs& operator=(const ScriptDialogs&) = delete;

  // The page's `script-dialog`: shown, or answered at once; always handled.
  gboolean Show(WebKitScriptDialog* dialog);
  // The person starts a navigation away from the page; true when the page's script is held by
  // its dialogs: one is open, or its stopped dialogs are still being answered at once (a loop
  // that would keep the page's process too busy to leave the page).
  bool Leave();
  // Whether the page's dialogs, answered at once, are still coming.
  bool StillAsking() const;
  // Another page has taken the view's place: its dialogs are shown again.
  void PageStarted();

  // The window of the dialog shown now; null when none is.
  Gtk::Window* Shown() { return dialog_ ? &window_ : nullptr; }
  // Whether the dialog shown offers to stop the page's dialogs.
  bool OffersToStop() const { return stop_.get_visible(); }
  // The person's answer: OK (with "stop the page's dialogs" ticked or not), or Cancel.
  void Answer(bool ok, bool stopDialogs = false);

 private:
  void Close(bool ok);

  WebKitWebView* view_;
  WebKitScriptDialog* dialog_ = nullptr;  // the one shown, referenced
  bool silenced_ = false;                 // answered at once until the next page
  std::int64_t lastClosed_ = 0;           // monotonic microseconds
  std::int64_t lastAnswered_ = 0;         // the last dialog answered at once
  Gtk::Window window_;
  Gtk::Box box_{Gtk::Orientation::VERTICAL, 12};
  Gtk::Box buttons_{Gtk::Orientation::HORIZONTAL, 6};
  Gtk::Label message_;
  Gtk::Entry entry_;
  Gtk::CheckButton stop_;
  Gtk::Button ok_, cancel_;
};

}  // namespace tarravelle
