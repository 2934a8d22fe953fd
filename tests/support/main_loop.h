#pragma once

#include <functional>

namespace tarravelle::test {

// Runs the GLib main loop until `done` holds or `timeoutMs` has passed; returns whether it held.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 20000);
// Runs the main loop for a while, for "nothing more happens" checks.
void PumpFor(int ms);

}  // namespace tarravelle::test
