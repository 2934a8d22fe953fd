#pragma once

#include <optional>
#include <string>

#include "ports/gobject_ptr.h"

namespace tarravelle {

// The engine's network session (cookies, cache and site data) and web processes, shared by every
// view of the program. A session without a data folder keeps nothing on disk (tests use that).
// A web process may use at most `memoryLimitMb` (by default a quarter of the machine's memory):
// its use is measured every ten seconds, and past the limit the page is ended and its view says so.
class WebEngineSession {
 public:
  explicit WebEngineSession(std::optional<std::string> dataFolder, unsigned memoryLimitMb = 0);

  // The native session and web context, for the engine implementation.
  void* Native() const { return session_.get(); }
  void* NativeContext() const { return context_.get(); }

  // A quarter of the machine's memory, in MiB (no less than 512).
  static unsigned WebProcessMemoryLimitMb();
  // The limit of this session's web processes, in MiB.
  unsigned MemoryLimitMb() const { return memoryLimitMb_; }

 private:
  GObjectPtr<GObject> session_;
  GObjectPtr<GObject> context_;
  unsigned memoryLimitMb_;
};

}  // namespace tarravelle
