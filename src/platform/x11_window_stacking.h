#pragma once

#include "ports/window_stacking.h"

namespace tarravelle {

// On X11 the window manager keeps a window above the others through _NET_WM_STATE_ABOVE, and a
// window asks to be moved once it is mapped; elsewhere (Wayland) this answers false.
class X11WindowStacking : public WindowStacking {
 public:
  bool MakeTopmost(Gtk::Window& window) override;
  bool PlaceInCentre(Gtk::Window& window) override;
};

}  // namespace tarravelle
