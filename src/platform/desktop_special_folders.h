#pragma once

#include <optional>
#include <string>

#include "ports/shell_folder_list.h"
#include "ports/special_folders.h"

namespace tarravelle {

// On this desktop: the favourites folder is <data>/Favorites (Internet shortcuts and .desktop
// links), and the history folder is the browsing history database <data>/history.sqlite.
class DesktopSpecialFolders : public SpecialFolders {
 public:
  explicit DesktopSpecialFolders(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {}
  std::optional<ItemIdList> GetSpecialFolderLocation(int folder) override;

  std::string FavoritesFolder() const { return dataFolder_ + "/Favorites"; }
  std::string HistoryDatabase() const { return dataFolder_ + "/history.sqlite"; }

 private:
  std::string dataFolder_;
};

}  // namespace tarravelle
