#pragma once

namespace tarravelle {

// From now on, every window of the program, GTK's own dialogs included (the file and colour
// choosers), has the buttons it shows read by their text alone ("Cancel", not
// "_Cancel Cancel"). Called once, on the user-interface thread.
void NameMarkedButtonsOfEveryWindow();

}  // namespace tarravelle
