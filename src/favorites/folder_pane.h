#pragma once

#include <sigc++/trackable.h>

namespace tarravelle {

class Form1;
class SpecialFolders;

// The side pane WB1 over the left of the page view, showing the favourites or history folder,
// with cmdCloseFavs above it as its title bar.
class FolderPane : public sigc::trackable {
 public:
  FolderPane(Form1& form, SpecialFolders* folders);

  void mnuFavoritesInternetExplorerFavorites_Click();
  void mnuToolsHistory_Click();
  void cmdCloseFavs_Click();

 private:
  void OpenFolder(int folder, const char* caption);

  Form1& form_;
  SpecialFolders* folders_;
};

}  // namespace tarravelle
