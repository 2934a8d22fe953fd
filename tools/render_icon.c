/* Renders an SVG picture to a square PNG of the given size: render_icon IN.svg SIZE OUT.png */
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc != 4) {
    fprintf(stderr, "usage: %s IN.svg SIZE OUT.png\n", argv[0]);
    return 2;
  }
  const int size = atoi(argv[2]);
  GError* error = NULL;
  GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file_at_size(argv[1], size, size, &error);
  if (!pixbuf || !gdk_pixbuf_save(pixbuf, argv[3], "png", &error, NULL)) {
    fprintf(stderr, "render_icon: %s\n", error ? error->message : "failed");
    return 1;
  }
  g_object_unref(pixbuf);
  return 0;
}
