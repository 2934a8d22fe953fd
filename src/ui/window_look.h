#pragma once

#include <gtkmm/cssprovider.h>
#include <gtkmm/window.h>

#include <string>

namespace tarravelle {

// The colours and fonts of one window: a style sheet of its own, scoped by a CSS class that only
// this window carries, so rewriting it never reaches another window.
class WindowLook {
 public:
  explicit WindowLook(Gtk::Window& window);
  ~WindowLook();
  WindowLook(const WindowLook&) = delete;
  WindowLook& operator=(const WindowLook&) = delete;

  // The CSS class that scopes this window's look.
  const std::string& Scope() const { return scope_; }
  // Replaces the window's style sheet.
  void Set(const std::string& css);
  const std::string& Css() const { return css_; }

 private:
  Gtk::Window& window_;
  std::string scope_;
  std::string css_;
  Glib::RefPtr<Gtk::CssProvider> provider_;
};

}  // namespace tarravelle
