#include "engine/builtin_scheme.h"

#include <webkit/webkit.h>

#include <string>

#include "engine/engine_pages.h"
#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

constexpr const char* kStartPageResource = "/org/tarravelle/Tarravelle/start/start.html";

StartPageNotes& Notes() {
  static StartPageNotes notes;
  return notes;
}

void Replace(std::string& text, const std::string& placeholder, const std::string& value) {
  for (auto at = text.find(placeholder); at != std::string::npos;
       at = text.find(placeholder, at + value.size())) {
    text.replace(at, placeholder.size(), value);
  }
}

std::string StartPage() {
  GBytes* found =
      g_resources_lookup_data(kStartPageResource, G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
  if (!found) return {};
  const CHandle<GBytes, g_bytes_unref> bytes(found);
  gsize size = 0;
  const auto* data = static_cast<const char*>(g_bytes_get_data(bytes.get(), &size));
  std::string page(data, size);
  const auto& notes = Notes();
  Replace(page, "{{settings-file}}",
          HtmlText(notes.settingsFile.empty() ? "~/.config/tarravelle/settings.ini"
                                              : notes.settingsFile));
  Replace(page, "{{home-group}}",
          HtmlText(notes.homePageGroup.empty() ? "<program folder>\\HP" : notes.homePageGroup));
  const std::string problem = notes.settings ? notes.settings->Problem() : "";
  Replace(page, "{{settings-problem}}",
          problem.empty() ? ""
                          : "<p><strong>Your settings file " + HtmlText(notes.settingsFile) +
                                " could not be read (" + HtmlText(problem) +
                                "), so Tarravelle opened without them.</strong></p>\n");
  return page;
}

void ServeBuiltInPage(WebKitURISchemeRequest* request, gpointer) {
  const std::string path = webkit_uri_scheme_request_get_path(request);
  if (path == "start" || path == "start/" || path == "/" || path.empty()) {
    const std::string page = StartPage();
    const GObjectPtr<GInputStream> stream(g_memory_input_stream_new_from_data(
        g_memdup2(page.data(), page.size()), static_cast<gssize>(page.size()), g_free));
    webkit_uri_scheme_request_finish(request, stream.get(), static_cast<gint64>(page.size()),
                                     "text/html");
    return;
  }
  const GErrorPtr error(
      g_error_new(G_IO_ERROR, G_IO_ERROR_NOT_FOUND, "No built-in page named \"%s\"", path.c_str()));
  webkit_uri_scheme_request_finish_error(request, error.get());
}

}  // namespace

void RegisterBuiltInScheme(WebKitWebContext* context, const StartPageNotes& notes) {
  if (!notes.settingsFile.empty()) Notes() = notes;
  // Marked on the context itself, which a later context never shares.
  if (g_object_get_data(G_OBJECT(context), "tarravelle-scheme")) return;
  g_object_set_data(G_OBJECT(context), "tarravelle-scheme", GINT_TO_POINTER(1));
  webkit_web_context_register_uri_scheme(context, "tarravelle", ServeBuiltInPage, nullptr, nullptr);
}

}  // namespace tarravelle
