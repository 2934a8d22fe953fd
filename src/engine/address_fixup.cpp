#include "engine/address_fixup.h"

#include <glib.h>

#include <string_view>

#include "ports/address.h"
#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = " \t\r\n\f\v";
  const auto first = text.find_first_not_of(blank);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blank) - first + 1);
}

}  // namespace

std::optional<std::string> FixUpAddress(const std::string& typed) {
  const std::string_view text = Trim(typed);
  if (text.empty()) return std::nullopt;
  std::string address = NormaliseAddress(std::string(text));

  GUriPtr uri(g_uri_parse(address.c_str(), G_URI_FLAGS_PARSE_RELAXED, nullptr));
  if (!uri) return std::nullopt;
  const char* host = g_uri_get_host(uri.get());
  const std::string_view scheme = g_uri_get_scheme(uri.get());
  const bool needsHost = scheme == "http" || scheme == "https" || scheme == "ftp";
  const bool hostOk = host && *host && std::string_view(host).find(' ') == std::string_view::npos;
  if (needsHost && !hostOk) return std::nullopt;
  return address;
}

}  // namespace tarravelle
