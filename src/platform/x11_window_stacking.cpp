#include "platform/x11_window_stacking.h"

#include <gdkmm/surface.h>
#include <gtkmm/native.h>
#include <gtkmm/window.h>

#include <memory>

// Xlib's macros clash with gtkmm's names, so it comes after every gtkmm header.
#include <X11/Xatom.h>
#include <gdk/x11/gdkx.h>

namespace tarravelle {
namespace {

constexpr long kNetWmStateAdd = 1;

void SetAbove(Gtk::Window& window) {
  GdkSurface* surface = gtk_native_get_surface(GTK_NATIVE(window.gobj()));
  if (!surface || !GDK_IS_X11_SURFACE(surface)) return;
  GdkDisplay* gdkDisplay = gdk_surface_get_display(surface);
  Display* display = gdk_x11_display_get_xdisplay(gdkDisplay);
  const Window xid = gdk_x11_surface_get_xid(surface);
  Atom state = XInternAtom(display, "_NET_WM_STATE", False);
  Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
  if (!window.get_mapped()) {
    // Before mapping, the window states its own wishes.
    XChangeProperty(display, xid, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&above), 1);
    return;
  }
  // Once mapped, the window manager is asked.
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = xid;
  event.xclient.message_type = state;
  event.xclient.format = 32;
  event.xclient.data.l[0] = kNetWmStateAdd;
  event.xclient.data.l[1] = static_cast<long>(above);
  event.xclient.data.l[3] = 1;  // a normal application
  XSendEvent(display, DefaultRootWindow(display), False,
             SubstructureRedirectMask | SubstructureNotifyMask, &event);
  XFlush(display);
}

struct FrameExtents {
  long left = 0, right = 0, top = 0, bottom = 0;
};

// What the window manager's frame adds around a window on each side; nothing without a frame.
FrameExtents FrameOf(Display* display, Window xid) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  FrameExtents extents;
  if (XGetWindowProperty(display, xid, XInternAtom(display, "_NET_FRAME_EXTENTS", False), 0, 4,
                         False, XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
      type == XA_CARDINAL && format == 32 && count == 4) {
    const auto* sides = reinterpret_cast<const long*>(data);
    extents = {sides[0], sides[1], sides[2], sides[3]};
  }
  if (data) XFree(data);
  return extents;
}

// Moves a mapped window of this size, with its frame, to the middle of the monitor it is on.
void Centre(Gtk::Window& window, int width, int height) {
  GdkSurface* surface = gtk_native_get_surface(GTK_NATIVE(window.gobj()));
  if (!surface || !GDK_IS_X11_SURFACE(surface)) return;
  GdkDisplay* gdkDisplay = gdk_surface_get_display(surface);
  GdkMonitor* monitor = gdk_display_get_monitor_at_surface(gdkDisplay, surface);
  if (!monitor) return;
  GdkRectangle area;
  gdk_monitor_get_geometry(monitor, &area);
  Display* display = gdk_x11_display_get_xdisplay(gdkDisplay);
  const Window xid = gdk_x11_surface_get_xid(surface);
  // The place asked for is that of the frame's outer corner.
  const FrameExtents frame = FrameOf(display, xid);
  const long outerWidth = width + frame.left + frame.right;
  const long outerHeight = height + frame.top + frame.bottom;
  XMoveWindow(display, xid, static_cast<int>(area.x + (area.width - outerWidth) / 2),
              static_cast<int>(area.y + (area.height - outerHeight) / 2));
  XFlush(display);
}

}  // namespace

bool X11WindowStacking::PlaceInCentre(Gtk::Window& window) {
  GdkDisplay* display = gtk_widget_get_display(GTK_WIDGET(window.gobj()));
  if (!GDK_IS_X11_DISPLAY(display)) return false;
  // Only when first shown: the person may move it after that. Its size is known once the
  // shown surface has had its first layout; until then the window reports none.
  auto first = std::make_shared<sigc::connection>();
  *first = window.signal_map().connect([&window, first] {
    first->disconnect();
    auto surface = window.get_surface();
    if (!surface) return;
    auto laidOut = std::make_shared<sigc::connection>();
    *laidOut = surface->signal_layout().connect(sigc::track_obj(
        [&window, laidOut](int width, int height) {
          if (width <= 0 || height <= 0) return;
          laidOut->disconnect();
          Centre(window, width, height);
        },
        window));
  });
  return true;
}

bool X11WindowStacking::MakeTopmost(Gtk::Window& window) {
  GdkDisplay* display = gtk_widget_get_display(GTK_WIDGET(window.gobj()));
  if (!GDK_IS_X11_DISPLAY(display)) return false;
  if (window.get_realized()) {
    SetAbove(window);
  } else {
    window.signal_realize().connect([&window] { SetAbove(window); });
  }
  window.signal_map().connect([&window] { SetAbove(window); });
  return true;
}

}  // namespace tarravelle
