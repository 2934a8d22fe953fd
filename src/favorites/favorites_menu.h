#pragma once

#include <sigc++/trackable.h>

#include <functional>

#include "favorites/favorites_list.h"
#include "ports/prompts.h"
#include "ui/form1_controls.h"

namespace tarravelle {

// The Favorites menu's Add and Show items of a main window.
class FavoritesMenu : public sigc::trackable {
 public:
  // `list` is the program's favourites, which outlive the window; `show` shows the program's
  // favourites dialog.
  FavoritesMenu(Form1Controls& form, Prompts& prompts, FavoritesList& list,
                std::function<void()> show);

  void mnuFavoritesAddFavorites_Click();
  void mnuFavoritesShowFavorites_Click();

 private:
  Form1Controls& form_;
  Prompts& prompts_;
  FavoritesList& list_;
  std::function<void()> show_;
};

}  // namespace tarravelle
