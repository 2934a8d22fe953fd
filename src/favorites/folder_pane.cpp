#include "favorites/folder_pane.h"

#include "favorites/item_id.h"

namespace tarravelle {

FolderPane::FolderPane(Form1Controls& form, SpecialFolders* folders)
    : form_(form), folders_(folders) {
  form.Menu("mnuFavoritesInternetExplorerFavorites").signal_click().connect([this](int) {
    mnuFavoritesInternetExplorerFavorites_Click();
  });
  form.Menu("mnuToolsHistory").signal_click().connect([this](int) { mnuToolsHistory_Click(); });
  form.cmdCloseFavs.signal_clicked().connect([this] { cmdCloseFavs_Click(); });
}

void FolderPane::mnuFavoritesInternetExplorerFavorites_Click() {
  OpenFolder(kFavoritesFolder, "Close Internet Explorer Favorites");
}

void FolderPane::mnuToolsHistory_Click() { OpenFolder(kHistoryFolder, "Close History Window"); }

void FolderPane::OpenFolder(int folder, const char* caption) {
  if (!folders_) return;
  // The list is released when it goes out of scope, whatever happens below.
  const auto list = folders_->GetSpecialFolderLocation(folder);
  if (!list) return;
  const int size = ItemIdListSize(list->data());
  if (size == 0) return;
  const std::vector<std::uint8_t> bytes(list->data(), list->data() + size);
  form_.WB1->Navigate2(bytes);
  form_.WB1->SetVisible(true);
  form_.cmdCloseFavs.SetCaption(caption);
  form_.cmdCloseFavs.set_sensitive(true);
  form_.cmdCloseFavs.set_visible(true);
}

void FolderPane::cmdCloseFavs_Click() {
  form_.WB1->SetVisible(false);
  form_.cmdCloseFavs.set_sensitive(false);
  form_.cmdCloseFavs.set_visible(false);
}

}  // namespace tarravelle
