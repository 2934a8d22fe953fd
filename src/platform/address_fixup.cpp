#include "platform/address_fixup.h"

#include <glib.h>

#include <array>
#include <cctype>
#include <string_view>

namespace tarravelle {
namespace {

constexpr std::array<std::string_view, 5> kSchemesWithoutSlashes{
    "about:", "file:", "data:", "mailto:", "view-source:"};

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

std::string_view Trim(std::string_view text) {
  const auto blank = " \t\r\n\f\v";
  const auto first = text.find_first_not_of(blank);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blank) - first + 1);
}

}  // namespace

bool BeginsWithScheme(std::string_view text) {
  for (auto scheme : kSchemesWithoutSlashes) {
    if (StartsWithNoCase(text, scheme)) return true;
  }
  if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return false;
  for (size_t i = 1; i < text.size(); ++i) {
    const unsigned char c = text[i];
    if (std::isalnum(c) || c == '+' || c == '-' || c == '.') continue;
    return text.substr(i).starts_with("://");
  }
  return false;
}

std::optional<std::string> FixUpAddress(const std::string& typed) {
  const std::string_view text = Trim(typed);
  if (text.empty()) return std::nullopt;

  // Script addresses are the page's business; everything else without a scheme is a web address.
  if (StartsWithNoCase(text, "javascript:")) return std::string(text);
  std::string address = BeginsWithScheme(text) ? std::string(text) : "http://" + std::string(text);

  GError* error = nullptr;
  GUri* uri = g_uri_parse(address.c_str(), G_URI_FLAGS_PARSE_RELAXED, &error);
  if (!uri) {
    g_clear_error(&error);
    return std::nullopt;
  }
  const char* host = g_uri_get_host(uri);
  const std::string scheme = g_uri_get_scheme(uri);
  const bool needsHost = scheme == "http" || scheme == "https" || scheme == "ftp";
  const bool hostOk = host && *host && std::string_view(host).find(' ') == std::string_view::npos;
  g_uri_unref(uri);
  if (needsHost && !hostOk) return std::nullopt;
  return address;
}

}  // namespace tarravelle
