#pragma once

#include <optional>
#include <string>

namespace tarravelle {

// The engine's fix-up of a typed address: surrounding blanks go, then the address rule of
// ports/address.h applies. Nothing when the result is not a loadable address (empty, "http://",
// a host with blanks in it, ...).
std::optional<std::string> FixUpAddress(const std::string& typed);

// The port of an http or https address when it is one that web pages may never reach (mail,
// file sharing and the like: the list of restricted ports that browsers share, which the engine
// refuses without a word); nothing otherwise.
std::optional<int> RestrictedPort(const std::string& uri);

// Whether a loaded page belongs in the browsing history: pages of the web and of files do; the
// program's own pages do not.
inline bool IsHistoryAddress(const std::string& uri) {
  return uri.starts_with("http://") || uri.starts_with("https://") || uri.starts_with("file:");
}

}  // namespace tarravelle
