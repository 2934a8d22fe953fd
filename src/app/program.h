#pragma once

#include <sigc++/connection.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "favorites/favorites_list.h"
#include "player/media_engine.h"
#include "ports/browser_engine.h"
#include "ports/media_control.h"
#include "ports/program_folder.h"
#include "ports/prompts.h"
#include "ports/settings_store.h"
#include "ports/shell.h"
#include "ports/special_folders.h"
#include "ports/window_stacking.h"
#include "ui/form1_controls.h"
#include "ui/unloaded_window.h"

namespace Gtk {
class Window;
}

namespace tarravelle {

class Form1;
class frmFav;

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

// The program: every main window, which one came first, the favourites and the media engine
// that they share, and the end of the run.
class Program {
 public:
  // `adopt` is given every window the program opens (the application keeps running while one
  // is open); `quit` ends the run.
  Program(Services services, std::function<void(Gtk::Window&)> adopt, std::function<void()> quit);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Services& services() { return services_; }
  // The one media engine of the program, shared by every main window's player panel.
  MediaEngine& Media() { return *media_; }
  // The favourites, which the favourites dialog shows while it is loaded.
  FavoritesList& Favorites() { return favoritesList_; }

  // Makes the first main window ahead of time, hidden, with its page engine started, so that
  // showing it later costs little (called while the splash screen shows; nothing once a main
  // window exists).
  void PrepareMainWindow();
  // Creates a main window (or takes the prepared one), runs its load step and shows it.
  Form1& ShowNewMainWindow();
  // The first main window (the one the splash screen opened); null before it exists.
  Form1* FirstWindow() const;
  const std::vector<std::unique_ptr<Form1>>& Windows() const { return windows_; }
  // Gives a window of the program (a dialog, the splash) to the application.
  void Adopt(Gtk::Window& window) { adopt_(window); }

  // The favourites dialog while it is loaded, or null.
  frmFav* FavoritesDialog() const { return favorites_.get(); }
  // The favourites dialog, loaded (reading its file) when it is not.
  frmFav& LoadFavoritesDialog();
  // The same for the windows' menus, which may still be answered while the program ends:
  // null once it has ended.
  frmFav* FavoritesForMenu();
  // Discards the dialog and forgets the list; the next reference loads it again.
  void UnloadFavoritesDialog();

  // Ends the program at once: every window disappears and no further handler runs. Favourites
  // changed and not saved are saved first.
  void End();
  bool Ended() const { return ended_; }

 private:
  void GoToFavorite(const std::string& address);

  Services services_;
  std::unique_ptr<MediaControlDevice> noMediaDevice_;
  std::unique_ptr<MediaEngine> media_;
  FavoritesList favoritesList_;
  std::function<void(Gtk::Window&)> adopt_;
  std::function<void()> quit_;
  std::vector<std::unique_ptr<Form1>> windows_;
  std::unique_ptr<Form1> prepared_;
  std::unique_ptr<frmFav> favorites_;
  UnloadedWindow<frmFav> unloading_;
  bool ended_ = false;
};

}  // namespace tarravelle
