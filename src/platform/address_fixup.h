#pragma once

#include <optional>
#include <string>

namespace tarravelle {

// The engine's fix-up of a typed address: surrounding blanks go, then the address rule of
// ports/address.h applies. Nothing when the result is not a loadable address (empty, "http://",
// a host with blanks in it, ...).
std::optional<std::string> FixUpAddress(const std::string& typed);

}  // namespace tarravelle
