#pragma once

#include <glib.h>
#include <sigc++/connection.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window_host.h"
#include "favorites/favorites_list.h"
#include "player/media_engine.h"
#include "ui/form1_controls.h"
#include "ui/unloaded_window.h"

namespace Gtk {
class Window;
}

namespace tarravelle {

class Form1;
class frmFav;

// The program: every main window, which one came first, the favourites and the media engine
// that they share, and the end of the run.
class Program : public MainWindowHost {
 public:
  // `adopt` is given every window the program opens (the application keeps running while one
  // is open); `quit` ends the run.
  Program(Services services, std::function<void(Gtk::Window&)> adopt, std::function<void()> quit);
  ~Program() override;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Services& services() override { return services_; }
  // The one media engine of the program, shared by every main window's player panel.
  MediaEngine& Media() override { return *media_; }
  // The favourites, which the favourites dialog shows while it is loaded.
  FavoritesList& Favorites() override { return favoritesList_; }

  // Makes the first main window ahead of time, hidden, with its page engine started, so that
  // showing it later costs little (called while the splash screen shows; nothing once a main
  // window exists).
  void PrepareMainWindow();
  // Creates a main window (or takes the prepared one), runs its load step and shows it.
  Form1& ShowNewMainWindow() override;
  // The first main window (the one the splash screen opened); null before it exists.
  Form1* FirstWindow() const override;
  const std::vector<std::unique_ptr<Form1>>& Windows() const { return windows_; }
  // Gives a window of the program (a dialog, the splash) to the application.
  void Adopt(Gtk::Window& window) { adopt_(window); }

  // The favourites dialog while it is loaded, or null.
  frmFav* FavoritesDialog() const { return favorites_.get(); }
  // The favourites dialog, loaded (reading its file) when it is not.
  frmFav& LoadFavoritesDialog();
  // Loads and shows the favourites dialog, for the windows' menus; nothing once the run ended.
  void ShowFavorites() override;
  // Discards the dialog and forgets the list; the next reference loads it again.
  void UnloadFavoritesDialog();

  // Ends the program at once: every window disappears and no further handler runs. Favourites
  // changed and not saved are saved first.
  void End() override;
  bool Ended() const { return ended_; }
  int DownloadsRunning() const override;
  // SIGTERM, SIGHUP and SIGINT (logout, shutdown, a closed terminal, Ctrl+C) end the program as
  // File > Close does, from the main loop: the favourites are saved and downloads cancelled.
  void EndOnSignals();

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
  std::vector<guint> signalSources_;
};

}  // namespace tarravelle
