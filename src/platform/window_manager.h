#pragma once

namespace Gtk {
class Window;
}

namespace tarravelle {

// Asks the window manager to keep the window above all ordinary windows, without moving or
// resizing it. Works on X11 (through _NET_WM_STATE_ABOVE); false where the display offers no
// way to do it.
bool MakeTopmost(Gtk::Window& window);

}  // namespace tarravelle
