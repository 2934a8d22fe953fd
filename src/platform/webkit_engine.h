#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ports/browser_engine.h"
#include "ports/browsing_history.h"
#include "ports/gobject_ptr.h"
#include "ports/prompts.h"
#include "ports/settings_store.h"
#include "ports/special_folders.h"

namespace tarravelle {

// The engine's network session (cookies, cache and site data) and web processes, shared by every
// view of the program. A session without a data folder keeps nothing on disk (tests use that).
// A web process may use at most `WebProcessMemoryLimitMb()`: past it, the page is ended and its
// view says so.
class WebEngineSession {
 public:
  explicit WebEngineSession(std::optional<std::string> dataFolder);

  // The native session and web context, for the engine implementation.
  void* Native() const { return session_.get(); }
  void* NativeContext() const { return context_.get(); }

  // A quarter of the machine's memory, in MiB (no less than 512).
  static unsigned WebProcessMemoryLimitMb();

 private:
  GObjectPtr<GObject> session_;
  GObjectPtr<GObject> context_;
};

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
  // Where the program's settings are, for the start page and the page of a refused address.
  std::string settingsFile = {};
  std::string homePageGroup = {};
  // Where downloads are saved; empty: the person's download folder.
  std::string downloadFolder = {};
};

// The zoom factor of the page's text at each of the engine's five text sizes, smallest first.
inline constexpr double kTextZoom[] = {0.7, 0.85, 1.0, 1.2, 1.5};

// A BrowserEngine on a WebKitGTK web view.
std::unique_ptr<BrowserEngine> MakeWebKitEngine(WebEngineSession& session,
                                                const WebKitEngineServices& services);

}  // namespace tarravelle
