#include "platform/x11_window_stacking.h"

#include <glibmm/main.h>
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

// Moves a mapped window to the middle of the monitor it is on.
void Centre(Gtk::Window& window) {
  GdkSurface* surface = gtk_native_get_surface(GTK_NATIVE(window.gobj()));
  if (!surface || !GDK_IS_X11_SURFACE(surface)) return;
  GdkDisplay* gdkDisplay = gdk_surface_get_display(surface);
  GdkMonitor* monitor = gdk_display_get_monitor_at_surface(gdkDisplay, surface);
  if (!monitor) return;
  GdkRectangle area;
  gdk_monitor_get_geometry(monitor, &area);
  const int width = window.get_width();
  const int height = window.get_height();
  Display* display = gdk_x11_display_get_xdisplay(gdkDisplay);
  XMoveWindow(display, gdk_x11_surface_get_xid(surface), area.x + (area.width - width) / 2,
              area.y + (area.height - height) / 2);
  XFlush(display);
}

}  // namespace

bool X11WindowStacking::PlaceInCentre(Gtk::Window& window) {
  GdkDisplay* display = gtk_widget_get_display(GTK_WIDGET(window.gobj()));
  if (!GDK_IS_X11_DISPLAY(display)) return false;
  // Only when first shown: the person may move it after that.
  auto first = std::make_shared<sigc::connection>();
  *first = window.signal_map().connect([&window, first] {
    first->disconnect();
    // Once its first layout has given it its size.
    Glib::signal_idle().connect_once(sigc::track_obj([&window] { Centre(window); }, window));
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
