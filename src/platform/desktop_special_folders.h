#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ports/special_folders.h"

namespace tarravelle {

// How this desktop writes a folder into an item-id list: one item naming the folder's kind and
// path. Encoding gives a whole list; decoding gives the folder a list names, if it names one.
std::vector<std::uint8_t> EncodeShellFolder(const ShellFolder& folder);
std::optional<ShellFolder> DecodeShellFolder(const std::vector<std::uint8_t>& itemIdList);

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
