#pragma once

#include <glibmm/datetime.h>

#include <string>

namespace tarravelle {

// The time (hours, minutes, seconds) and the short date in the person's locale.
std::string TimeText(const Glib::DateTime& when);
std::string DateText(const Glib::DateTime& when);

}  // namespace tarravelle
