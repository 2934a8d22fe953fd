#pragma once

#include <optional>
#include <string>

namespace tarravelle {

// The engine's fix-up of a typed address: surrounding blanks go, then the address rule of
// ports/address.h applies. Nothing when the result is not a loadable address (empty, "http://",
// a host with blanks in it, ...).
std::optional<std::string> FixUpAddress(const std::string& typed);

// Whether a loaded page belongs in the browsing history: pages of the web and of files do; the
// program's own pages do not.
inline bool IsHistoryAddress(const std::string& uri) {
  return uri.starts_with("http://") || uri.starts_with("https://") || uri.starts_with("file:");
}

}  // namespace tarravelle
