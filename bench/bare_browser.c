/* The baseline of the whole-program benchmarks: a GTK 4 window holding one WebKitGTK 6.0 view that
 * opens the address it is given, and nothing else. With --clock it also shows the time in a
 * label that changes every second (a GtkInscription, which only redraws), the least a window
 * with a running clock can cost. */
#include <string.h>
#include <webkit/webkit.h>

static void on_close(GtkWindow *window, gpointer loop) {
  (void)window;
  g_main_loop_quit(loop);
}

static gboolean tick(gpointer clock) {
  GDateTime *now = g_date_time_new_now_local();
  char *text = g_date_time_format(now, "%X");
  gtk_inscription_set_text(GTK_INSCRIPTION(clock), text);
  g_free(text);
  g_date_time_unref(now);
  return G_SOURCE_CONTINUE;
}

int main(int argc, char **argv) {
  const gboolean with_clock = argc == 3 && strcmp(argv[1], "--clock") == 0;
  if (argc != 2 && !with_clock) {
    g_printerr("usage: %s [--clock] ADDRESS\n", argv[0]);
    return 2;
  }
  gtk_init();
  GMainLoop *loop = g_main_loop_new(NULL, FALSE);
  GtkWidget *window = gtk_window_new();
  gtk_window_set_default_size(GTK_WINDOW(window), 1000, 700);
  GtkWidget *view = webkit_web_view_new();
  if (with_clock) {
    GtkWidget *box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    GtkWidget *clock = gtk_inscription_new("Time");
    gtk_widget_set_size_request(clock, 80, 20);
    gtk_widget_set_vexpand(view, TRUE);
    gtk_box_append(GTK_BOX(box), clock);
    gtk_box_append(GTK_BOX(box), view);
    gtk_window_set_child(GTK_WINDOW(window), box);
    g_timeout_add(1000, tick, clock);
  } else {
    gtk_window_set_child(GTK_WINDOW(window), view);
  }
  g_signal_connect(window, "close-request", G_CALLBACK(on_close), loop);
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), argv[argc - 1]);
  gtk_window_present(GTK_WINDOW(window));
  g_main_loop_run(loop);
  g_main_loop_unref(loop);
  return 0;
}
