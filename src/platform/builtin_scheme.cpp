#include "platform/builtin_scheme.h"

#include <webkit/webkit.h>

#include <string>

#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

constexpr const char* kStartPageResource = "/org/tarravelle/Tarravelle/start/start.html";

void ServeBuiltInPage(WebKitURISchemeRequest* request, gpointer) {
  const std::string path = webkit_uri_scheme_request_get_path(request);
  GError* failure = nullptr;
  GObjectPtr<GInputStream> stream;
  if (path == "start" || path == "start/" || path.empty()) {
    stream.reset(
        g_resources_open_stream(kStartPageResource, G_RESOURCE_LOOKUP_FLAGS_NONE, &failure));
  } else {
    failure = g_error_new(G_IO_ERROR, G_IO_ERROR_NOT_FOUND, "No built-in page named \"%s\"",
                          path.c_str());
  }
  const GErrorPtr error(failure);
  if (!stream) {
    webkit_uri_scheme_request_finish_error(request, error.get());
    return;
  }
  webkit_uri_scheme_request_finish(request, stream.get(), -1, "text/html");
}

}  // namespace

void RegisterBuiltInScheme() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  webkit_web_context_register_uri_scheme(webkit_web_context_get_default(), "tarravelle",
                                         ServeBuiltInPage, nullptr, nullptr);
}

}  // namespace tarravelle
