#pragma once

#include <glib.h>

#include <optional>
#include <string>
#include <vector>

#include "ports/browsing_history.h"
#include "ports/special_folders.h"

namespace tarravelle {

struct FolderLink {
  std::string name;
  std::string url;
};

// The Internet shortcuts (.url, [InternetShortcut] URL=) and .desktop links (Type=Link, URL=)
// of a folder and its subfolders, by name. Files that are neither, or unreadable, are left out.
std::vector<FolderLink> ReadFavoritesFolder(const std::string& folder);

// The desktop's file bookmarks (GTK's bookmarks file: an address and an optional name a line),
// as places; a place without a name is named after its file.
std::vector<FolderLink> ReadGtkBookmarks(const std::string& path);

std::string HtmlEscape(const std::string& text);

// The pages the side pane shows for the two folders. Links open in a window of their own, not
// inside the narrow pane. An empty favourites folder says where it is and what it takes; the
// desktop's places follow the favourites.
std::string FavoritesPage(const std::vector<FolderLink>& links, const std::string& folder = {},
                          const std::vector<FolderLink>& places = {});
// Visits grouped by the local day they were made: "Today", "Yesterday", then the date; newest
// first.
std::string HistoryPage(const std::vector<Visit>& visits, GDateTime* now);

// The pages of the two special folders: the favourites folder as read from disk at each call,
// the history from the program's one browsing history.
class FolderPages : public FolderPageSource {
 public:
  static constexpr int kHistoryPageVisits = 500;

  // `bookmarks` is GTK's bookmarks file; by default the person's own.
  explicit FolderPages(const BrowsingHistory* history, std::string bookmarks = DefaultBookmarks())
      : history_(history), bookmarks_(std::move(bookmarks)) {}
  std::optional<std::string> FolderPage(const ShellFolder& folder) override;

  static std::string DefaultBookmarks() {
    return std::string(g_get_user_config_dir()) + "/gtk-3.0/bookmarks";
  }

 private:
  const BrowsingHistory* history_;
  std::string bookmarks_;
};

}  // namespace tarravelle
