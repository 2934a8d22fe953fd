/* Renders an SVG picture to a PNG: render_icon IN.svg SIZE OUT.png renders it into a square of
 * SIZE pixels; a SIZE of 0 renders it at the size the picture gives itself. */
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
  GdkPixbuf* pixbuf = size > 0 ? gdk_pixbuf_new_from_file_at_size(argv[1], size, size, &error)
                               : gdk_pixbuf_new_from_file(argv[1], &error);
  if (!pixbuf || !gdk_pixbuf_save(pixbuf, argv[3], "png", &error, NULL)) {
    fprintf(stderr, "render_icon: %s\n", error ? error->message : "failed");
    return 1;
  }
  g_object_unref(pixbuf);
  return 0;
}
