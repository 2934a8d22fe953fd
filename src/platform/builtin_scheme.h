#pragma once

namespace tarravelle {

inline constexpr const char* kBuiltInStartPage = "tarravelle://start";

// Lets every web view load the program's own pages of the "tarravelle:" scheme (the start page)
// from its compiled-in resources. Safe to call more than once.
void RegisterBuiltInScheme();

}  // namespace tarravelle
