#pragma once

#include "ports/program_folder.h"

namespace tarravelle {

// The folder of /proc/self/exe; the working folder if that cannot be read.
ProgramFolder RunningProgramFolder();

}  // namespace tarravelle
