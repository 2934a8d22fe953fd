#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/checkbutton.h>
#include <gtkmm/entry.h>
#include <gtkmm/label.h>
#include <webkit/webkit.h>

#include "engine/signal_connections.h"

namespace tarravelle {

// The engine's own find bar under the page: the text to find, previous and next, match case,
// the number of matches or a clear "not found". Escape closes it and leaves the current match
// highlighted.
class FindBar : public Gtk::Box {
 public:
  explicit FindBar(WebKitWebView* view);

  // Shows the bar with its text selected, ready to type.
  void Open();
  void Close();
  // What the bar says about the last search: the current match among all ("3 of 42"), or
  // "Not found".
  std::string Status() const { return status_.get_text(); }
  void SetText(const std::string& text) { entry_.set_text(text); }
  void FindNext();
  void FindPrevious();

 private:
  void Search();
  void ShowPosition();
  guint32 Options() const;
  static void OnFound(WebKitFindController*, guint matches, gpointer self);
  static void OnNotFound(WebKitFindController*, gpointer self);
  static void OnCounted(WebKitFindController*, guint matches, gpointer self);

  WebKitWebView* view_;
  WebKitFindController* finder_;  // the view's own
  Gtk::Entry entry_;
  Gtk::Button previous_, next_, close_;
  Gtk::CheckButton matchCase_;
  Gtk::Label status_;
  // The current match, counted from 1, and how many there are (more than the most counted
  // stands for "more than that"); 0 while not yet counted.
  guint current_ = 1;
  guint total_ = 0;
  SignalConnections signals_;
};

}  // namespace tarravelle
