#include "app/clock_text.h"

namespace tarravelle {

std::string TimeText(const Glib::DateTime& when) { return when.format("%X"); }
std::string DateText(const Glib::DateTime& when) { return when.format("%x"); }

}  // namespace tarravelle
