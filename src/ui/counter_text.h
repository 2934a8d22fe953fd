#pragma once

#include <gtkmm/inscription.h>

#include <string>

namespace tarravelle {

// Shows a new text in a counter (a label whose text changes while the window is idle: the
// clock, the player's counters). The same text again is not handed over, since every new text
// is shaped and drawn again.
inline void SetCounterText(Gtk::Inscription& counter, const std::string& text) {
  if (counter.get_text().raw() != text) counter.set_text(text);
}

}  // namespace tarravelle
