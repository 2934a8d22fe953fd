#pragma once

#include <optional>
#include <string>

#include "ports/gobject_ptr.h"

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

}  // namespace tarravelle
