#pragma once

#include "ports/window_stacking.h"

namespace tarravelle {

// On X11 the window manager keeps a window above the others through _NET_WM_STATE_ABOVE;
// elsewhere (Wayland) this answers false.
class X11WindowStacking : public WindowStacking {
 public:
  bool MakeTopmost(Gtk::Window& window) override;
};

}  // namespace tarravelle
