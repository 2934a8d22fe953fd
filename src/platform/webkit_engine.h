#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/browser_engine.h"

namespace tarravelle {

class SettingsStore;
class HistoryStore;

// The engine's network session: cookies, cache and site data, shared by every view of the
// program. A session without a data folder keeps nothing on disk (tests use that).
class WebEngineSession {
 public:
  explicit WebEngineSession(std::optional<std::string> dataFolder);
  ~WebEngineSession();
  WebEngineSession(const WebEngineSession&) = delete;
  WebEngineSession& operator=(const WebEngineSession&) = delete;

  // The native session object, for the engine implementation.
  void* Native() const { return session_; }

 private:
  void* session_;
};

// The engine's own home page: the settings entry "Start Page" of section "Main" of the
// application "Tarravelle Engine", or the built-in start page.
inline constexpr const char* kEngineSettingsApplication = "Tarravelle Engine";
inline constexpr const char* kBuiltInStartPage = "tarravelle://start";

// A BrowserEngine on a WebKitGTK web view. With a history store, every completed top-level page
// load is recorded there.
std::unique_ptr<BrowserEngine> MakeWebKitEngine(WebEngineSession& session,
                                                const SettingsStore& settings,
                                                HistoryStore* history = nullptr);

}  // namespace tarravelle
