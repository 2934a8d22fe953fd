#pragma once

#include <gtkmm/window.h>
#include <webkit/webkit.h>

#include <functional>

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

}  // namespace tarravelle
