#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarravelle {

// Whether an address begins with a scheme: a letter, then letters, digits, "+", "-" or ".", then
// "://"; or one of "about:", "file:", "data:", "mailto:", "view-source:" (any case).
bool BeginsWithScheme(std::string_view address);

// The engine's fix-up of a typed address: surrounding blanks go, an address without a scheme gets
// "http://" in front of it. Nothing when the result is not a loadable address (empty, "http://",
// a host with blanks in it, ...).
std::optional<std::string> FixUpAddress(const std::string& typed);

}  // namespace tarravelle
