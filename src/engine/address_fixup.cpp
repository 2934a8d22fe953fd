#include "engine/address_fixup.h"

#include <glib.h>

#include <algorithm>
#include <iterator>
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

// The ports that web browsers refuse to let a page reach, smallest first.
constexpr int kRestrictedPorts[] = {
    1,    7,    9,    11,   13,   15,   17,   19,   20,   21,   22,   23,   25,   37,
    42,   43,   53,   69,   77,   79,   87,   95,   101,  102,  103,  104,  109,  110,
    111,  113,  115,  117,  119,  123,  135,  137,  139,  143,  161,  179,  389,  427,
    465,  512,  513,  514,  515,  526,  530,  531,  532,  540,  548,  554,  556,  563,
    587,  601,  636,  989,  990,  993,  995,  1719, 1720, 1723, 2049, 3659, 4045, 4190,
    5060, 5061, 6000, 6566, 6665, 6666, 6667, 6668, 6669, 6679, 6697, 10080};

}  // namespace

std::optional<int> RestrictedPort(const std::string& uri) {
  GUriPtr parsed(g_uri_parse(uri.c_str(), G_URI_FLAGS_NONE, nullptr));
  if (!parsed) return std::nullopt;
  const std::string_view scheme = g_uri_get_scheme(parsed.get());
  const int port = g_uri_get_port(parsed.get());
  if ((scheme != "http" && scheme != "https") || port < 0) return std::nullopt;
  if (!std::binary_search(std::begin(kRestrictedPorts), std::end(kRestrictedPorts), port)) {
    return std::nullopt;
  }
  return port;
}

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
