#pragma once

#include <glibmm/main.h>
#include <gtkmm/window.h>

#include <memory>

namespace tarravelle {

// Holds a window that has been unloaded until the handler that unloaded it has returned (a
// window must not be deleted under its own handler), then deletes it.
template <typename Window>
class UnloadedWindow {
 public:
  UnloadedWindow() = default;
  UnloadedWindow(const UnloadedWindow&) = delete;
  UnloadedWindow& operator=(const UnloadedWindow&) = delete;
  ~UnloadedWindow() { idle_.disconnect(); }

  // Hides the window and deletes it once the main loop is idle.
  void Take(std::unique_ptr<Window> window) {
    if (!window) return;
    window->hide();
    window_ = std::move(window);
    idle_.disconnect();
    idle_ = Glib::signal_idle().connect([this] {
      window_.reset();
      return false;
    });
  }

 private:
  std::unique_ptr<Window> window_;
  sigc::connection idle_;
};

}  // namespace tarravelle
