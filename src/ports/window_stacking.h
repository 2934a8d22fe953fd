#pragma once

namespace Gtk {
class Window;
}

namespace tarravelle {

// Keeping a window above the others, which only the window system can do.
class WindowStacking {
 public:
  virtual ~WindowStacking() = default;
  // Asks for the window to stay above all ordinary windows, without moving or resizing it; false
  // where the display offers no way to do it.
  virtual bool MakeTopmost(Gtk::Window& window) = 0;
};

}  // namespace tarravelle
