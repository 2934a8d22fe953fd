#pragma once

#include <glib-object.h>

#include <memory>

namespace tarravelle {

// Owns one reference to a GObject of a C library that has no C++ binding here.
struct GObjectUnref {
  void operator()(gpointer object) const {
    if (object) g_object_unref(object);
  }
};
template <typename T>
using GObjectPtr = std::unique_ptr<T, GObjectUnref>;

// Owns memory handed out by GLib (g_malloc, g_strdup and friends).
struct GFreeDeleter {
  void operator()(gpointer memory) const { g_free(memory); }
};
using GCharPtr = std::unique_ptr<char, GFreeDeleter>;

}  // namespace tarravelle
