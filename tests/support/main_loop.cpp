#include "support/main_loop.h"

#include <glib.h>

namespace tarravelle::test {

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const gint64 deadline = g_get_monotonic_time() + gint64{timeoutMs} * 1000;
  while (!done()) {
    if (g_get_monotonic_time() > deadline) return false;
    // Wake up at least every 10 ms so the deadline is kept even when nothing happens.
    bool woke = false;
    const guint wake = g_timeout_add(
        10,
        [](gpointer flag) {
          *static_cast<bool*>(flag) = true;
          return G_SOURCE_REMOVE;
        },
        &woke);
    g_main_context_iteration(nullptr, TRUE);
    if (!woke) g_source_remove(wake);
  }
  return true;
}

void PumpFor(int ms) {
  const gint64 deadline = g_get_monotonic_time() + gint64{ms} * 1000;
  PumpUntil([&] { return g_get_monotonic_time() > deadline; }, ms + 1000);
}

}  // namespace tarravelle::test
