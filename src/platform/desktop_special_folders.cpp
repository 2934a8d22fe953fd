#include "platform/desktop_special_folders.h"

#include <glib/gstdio.h>

namespace tarravelle {

std::optional<ItemIdList> DesktopSpecialFolders::GetSpecialFolderLocation(int folder) {
  switch (folder) {
    case kFavoritesFolder: {
      const std::string path = FavoritesFolder();
      g_mkdir_with_parents(path.c_str(), 0700);
      return ItemIdList(EncodeShellFolder({"favorites", path}));
    }
    case kHistoryFolder: return ItemIdList(EncodeShellFolder({"history", HistoryDatabase()}));
    default: return std::nullopt;
  }
}

}  // namespace tarravelle
