#include "favorites/favorites_menu.h"

#include "app/form1.h"
#include "app/program.h"
#include "favorites/fav_dialog.h"

namespace tarravelle {

FavoritesMenu::FavoritesMenu(Form1& form, Program& program) : form_(form), program_(program) {
  form.Menu("mnuFavoritesAddFavorites").signal_click().connect([this](int) {
    mnuFavoritesAddFavorites_Click();
  });
  form.Menu("mnuFavoritesShowFavorites").signal_click().connect([this](int) {
    mnuFavoritesShowFavorites_Click();
  });
}

void FavoritesMenu::mnuFavoritesAddFavorites_Click() {
  const std::string address = form_.cboURL.get_active_text();
  if (!address.empty()) {
    program_.LoadFavoritesDialog().AddItem(address);
    return;
  }
  // The answer may come after this window has gone; the program outlives it.
  Program& program = program_;
  program.services().prompts.InputBox(&form_, "Enter website you wish to add to favorites", "Add",
                                      "www.", [&program](std::optional<std::string> answer) {
                                        if (answer && !answer->empty() && !program.Ended()) {
                                          program.LoadFavoritesDialog().AddItem(*answer);
                                        }
                                      });
}

void FavoritesMenu::mnuFavoritesShowFavorites_Click() { program_.LoadFavoritesDialog().present(); }

}  // namespace tarravelle
