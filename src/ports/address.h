#pragma once

#include <glib.h>

#include <array>
#include <cctype>
#include <string>
#include <string_view>

namespace tarravelle {

// The one rule for what a typed address means: the engine's fix-up of an address applies it (the
// address bar hands the text as typed to the engine), and the search service's address is made
// here too.

// Whether an address begins with a scheme: a letter, then letters, digits, "+", "-" or ".", then
// "://"; or one of "about:", "file:", "data:", "mailto:", "view-source:" (any case).
inline bool BeginsWithScheme(std::string_view text) {
  constexpr std::array<std::string_view, 5> kSchemesWithoutSlashes{
      "about:", "file:", "data:", "mailto:", "view-source:"};
  const auto startsWithNoCase = [text](std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
      if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
  };
  for (auto scheme : kSchemesWithoutSlashes) {
    if (startsWithNoCase(scheme)) return true;
  }
  if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) return false;
  for (size_t i = 1; i < text.size(); ++i) {
    const unsigned char c = text[i];
    if (std::isalnum(c) || c == '+' || c == '-' || c == '.') continue;
    return text.substr(i).starts_with("://");
  }
  return false;
}

// The address for a typed text: unchanged when it already begins with a scheme, otherwise
// "http://" in front of it exactly as typed. A script address is not a scheme of this list, so it
// never runs from a typed or stored address.
inline std::string NormaliseAddress(const std::string& typed) {
  return BeginsWithScheme(typed) ? typed : "http://" + typed;
}

// The search service, shared by the search bar and the engine's page for a typed text that is
// not an address.
inline constexpr const char* kSearchHost = "www.google.com";

// "https://", the search service's host, "/search?q=" and the text percent-encoded as UTF-8.
// Over https, so the query never crosses the network readable. Unreserved characters stay; a
// blank becomes %20, every other byte %XX.
inline std::string SearchAddress(const std::string& text) {
  char* escaped = g_uri_escape_string(text.c_str(), nullptr, FALSE);
  std::string address = std::string("https://") + kSearchHost + "/search?q=" + escaped;
  g_free(escaped);
  return address;
}

}  // namespace tarravelle
