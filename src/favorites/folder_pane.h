#pragma once

#include <sigc++/trackable.h>

#include "ports/special_folders.h"
#include "ui/form1_controls.h"

namespace tarravelle {

// The side pane WB1 over the left of the page view, showing the favourites or history folder,
// with cmdCloseFavs above it as its title bar.
class FolderPane : public sigc::trackable {
 public:
  FolderPane(Form1Controls& form, SpecialFolders* folders);

  void mnuFavoritesInternetExplorerFavorites_Click();
  void mnuToolsHistory_Click();
  void cmdCloseFavs_Click();

 private:
  void OpenFolder(int folder, const char* caption);

  Form1Controls& form_;
  SpecialFolders* folders_;
};

}  // namespace tarravelle
