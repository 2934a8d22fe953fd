#pragma once

#include <webkit/webkit.h>

#include <string>

namespace tarravelle {

inline constexpr const char* kBuiltInStartPage = "tarravelle://start";

// What the start page tells about this program's own settings: the settings file and the group
// of this program's home page.
struct StartPageNotes {
  std::string settingsFile;
  std::string homePageGroup;
};

// Lets the web views of `context` load the program's own pages of the "tarravelle:" scheme (the
// start page) from its compiled-in resources. Safe to call more than once; the notes of the last
// call are the ones shown.
void RegisterBuiltInScheme(WebKitWebContext* context, const StartPageNotes& notes = {});

}  // namespace tarravelle
