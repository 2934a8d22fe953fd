#include "app/clock_text.h"

namespace tarravelle {

std::string TimeText(const Glib::DateTime& when) { return when.format("%X"); }
std::string DateText(const Glib::DateTime& when) { return when.format("%x"); }

unsigned MsUntilNextTick(const Glib::DateTime& now) {
  // A few milliseconds past the second, so that a timer woken a little early still reads it.
  constexpr int kPastTheSecondMs = 5;
  return static_cast<unsigned>(1000 - now.get_microsecond() / 1000 + kPastTheSecondMs);
}

}  // namespace tarravelle
