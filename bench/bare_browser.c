/* The baseline of the start-up and memory benchmark: a GTK 4 window holding one WebKitGTK 6.0
 * view that opens the address it is given, and nothing else. */
#include <webkit/webkit.h>

static void on_close(GtkWindow *window, gpointer loop) {
  (void)window;
  g_main_loop_quit(loop);
}

int main(int argc, char **argv) {
  if (argc != 2) {
    g_printerr("usage: %s ADDRESS\n", argv[0]);
    return 2;
  }
  gtk_init();
  GMainLoop *loop = g_main_loop_new(NULL, FALSE);
  GtkWidget *window = gtk_window_new();
  gtk_window_set_default_size(GTK_WINDOW(window), 1000, 700);
  GtkWidget *view = webkit_web_view_new();
  gtk_window_set_child(GTK_WINDOW(window), view);
  g_signal_connect(window, "close-request", G_CALLBACK(on_close), loop);
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), argv[1]);
  gtk_window_present(GTK_WINDOW(window));
  g_main_loop_run(loop);
  g_main_loop_unref(loop);
  return 0;
}
