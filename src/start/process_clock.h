#pragma once

namespace tarravelle {

// Milliseconds since this process started (since the desktop ran it, before the program's own
// code), or 0 when the system does not say.
unsigned MsSinceProcessStarted();

}  // namespace tarravelle
