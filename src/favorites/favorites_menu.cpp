#include "favorites/favorites_menu.h"

#include "favorites/fav_dialog.h"

namespace tarravelle {

FavoritesMenu::FavoritesMenu(Form1Controls& form, Prompts& prompts, std::function<frmFav*()> dialog)
    : form_(form), prompts_(prompts), dialog_(std::move(dialog)) {
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
    if (auto* dialog = dialog_()) dialog->AddItem(address);
    return;
  }
  // The answer may come after this window has gone; the program, and so `dialog`, outlive it.
  prompts_.InputBox(&form_.window, "Enter website you wish to add to favorites", "Add", "www.",
                    [dialog = dialog_](std::optional<std::string> answer) {
                      if (!answer || answer->empty()) return;
                      if (auto* loaded = dialog()) loaded->AddItem(*answer);
                    });
}

void FavoritesMenu::mnuFavoritesShowFavorites_Click() {
  if (auto* dialog = dialog_()) dialog->present();
}

}  // namespace tarravelle
