#pragma once

#include <sigc++/trackable.h>

namespace tarravelle {

class Form1;
class Program;

// The Favorites menu's Add and Show items of a main window.
class FavoritesMenu : public sigc::trackable {
 public:
  FavoritesMenu(Form1& form, Program& program);

  void mnuFavoritesAddFavorites_Click();
  void mnuFavoritesShowFavorites_Click();

 private:
  Form1& form_;
  Program& program_;
};

}  // namespace tarravelle
