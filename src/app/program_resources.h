#pragma once

namespace tarravelle {

// Makes the program's compiled-in pictures, icons and style sheet available on the default
// display. Safe to call more than once.
void LoadProgramResources();

}  // namespace tarravelle
