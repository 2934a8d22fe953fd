#include "engine/find_bar.h"

#include <gtkmm/eventcontrollerkey.h>

#include <algorithm>
#include <array>
#include <string>

#include "ui/accessible_label.h"

namespace tarravelle {
namespace {

constexpr guint kMostMatchesCounted = 1000;

// Where the current match stands among all of them: "3 of 42".
std::string PositionText(guint current, guint total) {
  return std::to_string(current) + " of " +
         (total > kMostMatchesCounted ? "more than 1000" : std::to_string(total));
}

}  // namespace

FindBar::FindBar(WebKitWebView* view)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 6),
      view_(view),
      finder_(webkit_web_view_get_find_controller(view)) {
  add_css_class("find-bar");
  set_margin(4);
  entry_.set_placeholder_text("Find on this page");
  entry_.set_hexpand(false);
  entry_.set_width_chars(30);
  SetAccessibleLabel(entry_, "Find on this page");
  previous_.set_label("Previous");
  next_.set_label("Next");
  matchCase_.set_label("Match case");
  close_.set_icon_name("window-close-symbolic");
  close_.set_tooltip_text("Close the find bar");
  SetAccessibleLabel(close_, "Close the find bar");
  status_.set_xalign(0);
  append(entry_);
  append(previous_);
  append(next_);
  append(matchCase_);
  append(status_);
  auto* filler = Gtk::make_managed<Gtk::Box>();
  filler->set_hexpand(true);
  append(*filler);
  append(close_);
  set_visible(false);

  entry_.signal_changed().connect([this] { Search(); });
  entry_.signal_activate().connect([this] { FindNext(); });
  matchCase_.signal_toggled().connect([this] { Search(); });
  next_.signal_clicked().connect([this] { FindNext(); });
  previous_.signal_clicked().connect([this] { FindPrevious(); });
  close_.signal_clicked().connect([this] { Close(); });
  auto keys = Gtk::EventControllerKey::create();
  keys->signal_key_pressed().connect(
      [this](guint key, guint, Gdk::ModifierType state) {
        if (key == GDK_KEY_Escape) {
          Close();
          return true;
        }
        if ((key == GDK_KEY_Return || key == GDK_KEY_KP_Enter) &&
            (state & Gdk::ModifierType::SHIFT_MASK) == Gdk::ModifierType::SHIFT_MASK) {
          FindPrevious();
          return true;
        }
        return false;
      },
      false);
  add_controller(keys);

  static const std::array<SignalConnections::Signal, 3> kFinderSignals{{
      {"found-text", G_CALLBACK(OnFound)},
      {"failed-to-find-text", G_CALLBACK(OnNotFound)},
      {"counted-matches", G_CALLBACK(OnCounted)},
  }};
  signals_.ConnectAll(finder_, kFinderSignals, this);
}

void FindBar::Open() {
  set_visible(true);
  entry_.grab_focus();
  entry_.select_region(0, -1);
}

void FindBar::Close() {
  set_visible(false);
  gtk_widget_grab_focus(GTK_WIDGET(view_));
}

guint32 FindBar::Options() const {
  guint32 options = WEBKIT_FIND_OPTIONS_WRAP_AROUND;
  if (!matchCase_.get_active()) options |= WEBKIT_FIND_OPTIONS_CASE_INSENSITIVE;
  return options;
}

void FindBar::Search() {
  const std::string text = entry_.get_text();
  if (text.empty()) {
    webkit_find_controller_search_finish(finder_);
    status_.set_text("");
    return;
  }
  // A new search starts at the first match; the count says how many there are.
  current_ = 1;
  total_ = 0;
  webkit_find_controller_search(finder_, text.c_str(), Options(), kMostMatchesCounted);
  webkit_find_controller_count_matches(finder_, text.c_str(), Options(), kMostMatchesCounted);
}

void FindBar::FindNext() {
  if (!webkit_find_controller_get_search_text(finder_)) return Search();
  if (total_ > 0) current_ = current_ % total_ + 1;
  webkit_find_controller_search_next(finder_);
}

void FindBar::FindPrevious() {
  if (!webkit_find_controller_get_search_text(finder_)) return Search();
  if (total_ > 0) current_ = current_ == 1 ? total_ : current_ - 1;
  webkit_find_controller_search_previous(finder_);
}

void FindBar::ShowPosition() {
  if (total_ > 0) status_.set_text(PositionText(current_, total_));
}

// Moving from match to match finds one at a time; the count of them all stays.
void FindBar::OnFound(WebKitFindController*, guint, gpointer self) {
  static_cast<FindBar*>(self)->ShowPosition();
}

void FindBar::OnNotFound(WebKitFindController*, gpointer self) {
  static_cast<FindBar*>(self)->status_.set_text("Not found");
}

void FindBar::OnCounted(WebKitFindController*, guint matches, gpointer self) {
  auto* bar = static_cast<FindBar*>(self);
  bar->total_ = std::min(matches, kMostMatchesCounted + 1);
  if (bar->total_ == 0) return bar->status_.set_text("Not found");
  bar->current_ = std::min(bar->current_, bar->total_);
  bar->ShowPosition();
}

}  // namespace tarravelle
