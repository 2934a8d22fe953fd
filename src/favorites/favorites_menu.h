#pragma once

#include <sigc++/trackable.h>

#include <functional>

#include "ports/prompts.h"
#include "ui/form1_controls.h"

namespace tarravelle {

class frmFav;

// The Favorites menu's Add and Show items of a main window.
class FavoritesMenu : public sigc::trackable {
 public:
  // `dialog` gives the program's favourites dialog, loading it when it is not; null once the
  // program is ending.
  FavoritesMenu(Form1Controls& form, Prompts& prompts, std::function<frmFav*()> dialog);

  void mnuFavoritesAddFavorites_Click();
  void mnuFavoritesShowFavorites_Click();

 private:
  Form1Controls& form_;
  Prompts& prompts_;
  std::function<frmFav*()> dialog_;
};

}  // namespace tarravelle
