#pragma once

#include <string>

#include "ports/browser_engine.h"
#include "ports/media_control.h"
#include "ports/program_folder.h"
#include "ports/prompts.h"
#include "ports/settings_store.h"
#include "ports/shell.h"
#include "ports/special_folders.h"
#include "ports/window_stacking.h"
#include "ui/form1_controls.h"

namespace tarravelle {

// The desktop services that the program's windows use. main() makes the real ones; tests make
// the same objects with fakes.
struct Services {
  const SettingsStore& settings;
  ProgramFolder folder;
  Prompts& prompts;
  Shell* shell = nullptr;  // none: no outside program can be started
  EngineFactory makeEngine;
  // The program's own data folder ($XDG_DATA_HOME/tarravelle).
  std::string dataFolder;
  SpecialFolders* specialFolders = nullptr;
  // The media control device; without one every media command is refused.
  MediaControlDevice* mediaDevice = nullptr;
  // Keeps the favourites dialog above other windows; without it the dialog stays above the
  // first main window.
  WindowStacking* stacking = nullptr;
};

}  // namespace tarravelle
