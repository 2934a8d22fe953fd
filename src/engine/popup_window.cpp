#include "engine/popup_window.h"

#include <glibmm/main.h>

#include <algorithm>
#include <array>

namespace tarravelle {

PopupWindow::PopupWindow(WebKitWebView* relatedView,
                         std::function<GtkWidget*(WebKitWebView*, WebKitNavigationAction*)> create,
                         std::function<void(PopupWindow*)> gone)
    : create_(std::move(create)) {
  view_ = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", relatedView, nullptr));
  set_child(*Glib::wrap(GTK_WIDGET(view_)));
  set_default_size(800, 600);
  static const std::array<SignalConnections::Signal, 4> kViewSignals{{
      {"ready-to-show", G_CALLBACK(OnReadyToShow)},
      {"close", G_CALLBACK(OnClose)},
      {"notify::title", G_CALLBACK(OnTitle)},
      {"create", G_CALLBACK(OnCreate)},
  }};
  signals_.ConnectAll(view_, kViewSignals, this);
  // Deleted after the hide has been handled; the owner deletes what is left when it goes first.
  signal_hide().connect([this, gone = std::move(gone)] {
    gone_ = Glib::signal_idle().connect([this, gone] {
      gone(this);
      return false;
    });
  });
}

PopupWindow::~PopupWindow() { gone_.disconnect(); }

void PopupWindow::OnReadyToShow(WebKitWebView* view, gpointer self) {
  auto* window = static_cast<PopupWindow*>(self);
  GdkRectangle geometry{};
  webkit_window_properties_get_geometry(webkit_web_view_get_window_properties(view), &geometry);
  if (geometry.width > 0 && geometry.height > 0) {
    window->set_default_size(geometry.width, geometry.height);
  }
  window->present();
}

void PopupWindow::OnClose(WebKitWebView*, gpointer self) {
  static_cast<PopupWindow*>(self)->hide();
}

void PopupWindow::OnTitle(GObject*, GParamSpec*, gpointer self) {
  auto* window = static_cast<PopupWindow*>(self);
  const char* title = webkit_web_view_get_title(window->view_);
  window->set_title(title ? title : "");
}

GtkWidget* PopupWindow::OnCreate(WebKitWebView* view, WebKitNavigationAction* action,
                                 gpointer self) {
  return static_cast<PopupWindow*>(self)->create_(view, action);
}

GtkWidget* PopupWindows::Create(WebKitWebView* from, WebKitNavigationAction* action) {
  std::string url;
  if (auto* request = webkit_navigation_action_get_request(action)) {
    if (const char* uri = webkit_uri_request_get_uri(request)) url = uri;
  }
  if (!ask_(url)) return nullptr;
  auto& popup = popups_.emplace_back(std::make_unique<PopupWindow>(
      from,
      [this](WebKitWebView* view, WebKitNavigationAction* next) { return Create(view, next); },
      [this](PopupWindow* gone) {
        popups_.remove_if([gone](const auto& owned) { return owned.get() == gone; });
      }));
  return GTK_WIDGET(popup->View());
}

bool PopupWindows::Owns(WebKitWebView* view) const {
  return std::ranges::any_of(popups_, [view](const auto& popup) { return popup->View() == view; });
}

}  // namespace tarravelle
