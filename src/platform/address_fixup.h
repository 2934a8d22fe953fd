#pragma once

#include <optional>
#include <string>

namespace tarravelle {

// The engine's fix-up of a typed address: surrounding blanks go, an address without a scheme gets
// "http://" in front of it. Nothing when the result is not a loadable address (empty, "http://",
// a host with blanks in it, ...).
std::optional<std::string> FixUpAddress(const std::string& typed);

}  // namespace tarravelle
