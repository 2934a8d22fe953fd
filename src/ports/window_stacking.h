#pragma once

namespace Gtk {
class Window;
}

namespace tarravelle {

// Where a window stands among the others and on the screen, which only the window system can
// say: GTK 4 leaves both to it.
class WindowStacking {
 public:
  virtual ~WindowStacking() = default;
  // Asks for the window to stay above all ordinary windows, without moving or resizing it; false
  // where the display offers no way to do it.
  virtual bool MakeTopmost(Gtk::Window& window) = 0;
  // Asks for the window to stand in the middle of its screen when it is first shown; false
  // where the display offers no way to do it.
  virtual bool PlaceInCentre(Gtk::Window& window) = 0;
};

}  // namespace tarravelle
