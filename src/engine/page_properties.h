#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/grid.h>
#include <gtkmm/window.h>
#include <webkit/webkit.h>

#include <string>
#include <utility>
#include <vector>

namespace tarravelle {

// Keeps the response of the page the view has just committed (nothing: forgets it, as a page of
// the engine's own is shown). Properties tell of that response, not of the view's main resource: a
// link downloaded later makes its own response the main resource while the page stays.
void SetPageResponse(WebKitWebView* view, WebKitURIResponse* response);

// What the properties dialog tells of a page, as (name, value) rows in order: title, address,
// protocol, connection security, type, size and dates.
std::vector<std::pair<std::string, std::string>> PageProperties(WebKitWebView* view);

// The engine's properties dialog for the page shown at the moment it opened.
class PropertiesWindow : public Gtk::Window {
 public:
  explicit PropertiesWindow(WebKitWebView* view);

  const std::vector<std::pair<std::string, std::string>>& Rows() const { return rows_; }

 private:
  std::vector<std::pair<std::string, std::string>> rows_;
  Gtk::Box box_{Gtk::Orientation::VERTICAL, 12};
  Gtk::Grid grid_;
  Gtk::Button ok_;
};

}  // namespace tarravelle
