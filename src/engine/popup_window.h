#pragma once

#include <gtkmm/window.h>
#include <webkit/webkit.h>

#include <functional>
#include <list>
#include <memory>
#include <string>

#include "engine/signal_connections.h"

namespace tarravelle {

// A window of the engine's own for a pop-up that the program let through: a view related to the
// one that asked, sized from the page's request and shown when the page is ready.
class PopupWindow : public Gtk::Window {
 public:
  // `create` answers the pop-up's own pop-up requests; `gone` runs once the window has been
  // hidden and its hide handled, for the owner to delete it.
  PopupWindow(WebKitWebView* relatedView,
              std::function<GtkWidget*(WebKitWebView*, WebKitNavigationAction*)> create,
              std::function<void(PopupWindow*)> gone);
  ~PopupWindow() override;

  WebKitWebView* View() const { return view_; }

 private:
  static void OnReadyToShow(WebKitWebView* view, gpointer self);
  static void OnClose(WebKitWebView* view, gpointer self);
  static void OnTitle(GObject* view, GParamSpec*, gpointer self);
  static GtkWidget* OnCreate(WebKitWebView* view, WebKitNavigationAction* action, gpointer self);

  WebKitWebView* view_;  // the window's child, which keeps it alive
  std::function<GtkWidget*(WebKitWebView*, WebKitNavigationAction*)> create_;
  sigc::connection gone_;
  SignalConnections signals_;
};

// The pop-up windows of one engine's view, and of their views in turn: each asked for is let
// through or not by `ask` (the engine's NewWindow2), and each is owned here until it closes.
class PopupWindows {
 public:
  // `ask` gets the pop-up's address; true lets it open.
  explicit PopupWindows(std::function<bool(const std::string&)> ask) : ask_(std::move(ask)) {}
  ~PopupWindows() { popups_.clear(); }
  PopupWindows(const PopupWindows&) = delete;
  PopupWindows& operator=(const PopupWindows&) = delete;

  // The view of a new pop-up asked for by `from`, or null when it may not open.
  GtkWidget* Create(WebKitWebView* from, WebKitNavigationAction* action);
  // Whether `view` is one of the pop-ups' views.
  bool Owns(WebKitWebView* view) const;

 private:
  std::function<bool(const std::string&)> ask_;
  std::list<std::unique_ptr<PopupWindow>> popups_;
};

}  // namespace tarravelle
