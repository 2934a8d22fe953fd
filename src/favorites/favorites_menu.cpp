#include "favorites/favorites_menu.h"


namespace tarravelle {

namespace {

// Adds to the list as it is in the file: read first when it has not been, and the person told
// when the file cannot be read.
void AddTo(FavoritesList& list, Prompts& prompts, Gtk::Window* parent, const std::string& item) {
  list.LoadOnce();
  if (const auto notice = list.TakeLoadNotice()) {
    prompts.MsgBox(parent, *notice, "Favorites", MsgIcon::Exclamation, MsgButtons::OK);
  }
  list.Add(item);
}

}  // namespace

FavoritesMenu::FavoritesMenu(Form1Controls& form, Prompts& prompts, FavoritesList& list,
                             std::function<void()> show)
    : form_(form), prompts_(prompts), list_(list), show_(std::move(show)) {
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
    AddTo(list_, prompts_, &form_.window, address);
    return;
  }
  // The answer may come after this window has gone; the program's list and prompts outlive it.
  prompts_.InputBox(&form_.window, "Enter website you wish to add to favorites", "Add", "www.",
                    [&list = list_, &prompts = prompts_](std::optional<std::string> answer) {
                      if (!answer || answer->empty()) return;
                      AddTo(list, prompts, nullptr, *answer);
                    });
}

void FavoritesMenu::mnuFavoritesShowFavorites_Click() { show_(); }

}  // namespace tarravelle
