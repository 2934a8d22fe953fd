/* Forced into every file of the program outside src/platform/: the platform libraries' own
   names cannot be used there, so including their headers fails to compile. WebKitGTK and
   GStreamer are kept out by their include paths, which only the platform target has. */
#pragma GCC poison sqlite3_open sqlite3_open_v2 sqlite3_prepare_v2 sqlite3_exec
#pragma GCC poison XOpenDisplay XInternAtom XSendEvent XChangeProperty
#pragma GCC poison gdk_x11_display_get_xdisplay gdk_x11_surface_get_xid
