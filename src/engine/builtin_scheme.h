#pragma once

#include <webkit/webkit.h>

#include <string>

#include "ports/settings_store.h"

namespace tarravelle {

inline constexpr const char* kBuiltInStartPage = "tarravelle://start";

// What the start page tells about this program's own settings: the settings file and the group
// of this program's home page.
struct StartPageNotes {
  std::string settingsFile;
  std::string homePageGroup;
  // The settings, asked whether they could be read each time the page is shown.
  const SettingsStore* settings = nullptr;
};

// Lets the web views of `context` load the program's own pages of the "tarravelle:" scheme (the
// start page) from its compiled-in resources. Safe to call more than once; the notes of the last
// call are the ones shown.
void RegisterBuiltInScheme(WebKitWebContext* context, const StartPageNotes& notes = {});

}  // namespace tarravelle
