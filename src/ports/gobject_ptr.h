#pragma once

#include <glib-object.h>

#include <memory>

namespace tarravelle {

// Owners of the C handles of GLib and the libraries on it, so no free or unref is written by
// hand. Every layer may use them.

// Calls `Free` on the handle when it goes; nothing for a null handle.
template <auto Free>
struct CallFree {
  template <typename T>
  void operator()(T* handle) const {
    if (handle) Free(handle);
  }
};
template <typename T, auto Free>
using CHandle = std::unique_ptr<T, CallFree<Free>>;

// One reference to a GObject of a C library that has no C++ binding here.
template <typename T>
using GObjectPtr = CHandle<T, g_object_unref>;

// Memory handed out by GLib (g_malloc, g_strdup and friends).
using GCharPtr = CHandle<char, g_free>;

using GErrorPtr = CHandle<GError, g_error_free>;
using GKeyFilePtr = CHandle<GKeyFile, g_key_file_free>;
using GDateTimePtr = CHandle<GDateTime, g_date_time_unref>;
using GUriPtr = CHandle<GUri, g_uri_unref>;
using GStrvPtr = CHandle<gchar*, g_strfreev>;

}  // namespace tarravelle
