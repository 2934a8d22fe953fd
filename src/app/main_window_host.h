#pragma once

#include "app/services.h"

namespace tarravelle {

class Form1;
class MediaEngine;
class FavoritesList;

// What a main window asks of the program that owns it: the desktop services, what the windows
// share, and the end of the run. `Program` is the host; a window knows nothing more of it, so
// the window's code does not depend on the program's.
class MainWindowHost {
 public:
  virtual Services& services() = 0;
  // The one media engine, shared by every main window's player panel.
  virtual MediaEngine& Media() = 0;
  // The favourites, which the program owns for the whole run.
  virtual FavoritesList& Favorites() = 0;
  // Shows the favourites dialog, loading it when it is not; nothing once the run has ended.
  virtual void ShowFavorites() = 0;
  // Opens a further main window.
  virtual Form1& ShowNewMainWindow() = 0;
  // The first main window; null before it exists.
  virtual Form1* FirstWindow() const = 0;
  // Ends the program: every window disappears.
  virtual void End() = 0;
  // How many downloads the program's windows have running.
  virtual int DownloadsRunning() const = 0;

 protected:
  virtual ~MainWindowHost() = default;
};

}  // namespace tarravelle
