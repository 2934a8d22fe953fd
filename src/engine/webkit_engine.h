#pragma once

#include <memory>
#include <string>

#include "engine/engine_session.h"
#include "ports/browser_engine.h"
#include "ports/browsing_history.h"
#include "ports/notifications.h"
#include "ports/prompts.h"
#include "ports/settings_store.h"
#include "ports/special_folders.h"

namespace tarravelle {

// The engine's own home page: the settings entry "Start Page" of section "Main" of the
// application "Tarravelle Engine", or the built-in start page.
inline constexpr const char* kEngineSettingsApplication = "Tarravelle Engine";

// What a WebKitGTK engine is handed besides its session.
struct WebKitEngineServices {
  const SettingsStore& settings;
  // Where every completed top-level page load is recorded; none keeps no history.
  BrowsingHistory* history = nullptr;
  // The pages that Navigate2 shows for a folder; without it Navigate2 refuses.
  FolderPageSource* folderPages = nullptr;
  // Says why a page could not be saved; without it a failed save is only logged.
  Prompts* prompts = nullptr;
  // Where the program's settings are, for the start page and the page of a home page that
  // cannot be opened.
  std::string settingsFile = {};
  // The program's home page setting: its text, which the engine's page for an address it
  // refuses tells apart from others, and the settings group that holds it.
  std::string homePage = {};
  std::string homePageGroup = {};
  // Where downloads are saved; empty: the person's download folder.
  std::string downloadFolder = {};
  // Where finished and failed downloads are told besides the status line; none: only there.
  Notifications* notifications = nullptr;
};

// A BrowserEngine on a WebKitGTK web view.
std::unique_ptr<BrowserEngine> MakeWebKitEngine(WebEngineSession& session,
                                                const WebKitEngineServices& services);

}  // namespace tarravelle
