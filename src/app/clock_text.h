#pragma once

#include <glibmm/datetime.h>

#include <string>

namespace tarravelle {

// The time (hours, minutes, seconds) and the short date in the person's locale.
std::string TimeText(const Glib::DateTime& when);
std::string DateText(const Glib::DateTime& when);

// How long from `now` until the clock's next tick: just after the next second begins, so that
// the time shown is never a second behind and does not drift as ticks run late.
unsigned MsUntilNextTick(const Glib::DateTime& now);

}  // namespace tarravelle
