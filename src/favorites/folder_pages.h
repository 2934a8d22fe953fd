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

std::string HtmlEscape(const std::string& text);

// The pages the side pane shows for the two folders. Links open in a window of their own, not
// inside the narrow pane.
std::string FavoritesPage(const std::vector<FolderLink>& links);
// Visits grouped by the local day they were made: "Today", "Yesterday", then the date; newest
// first.
std::string HistoryPage(const std::vector<Visit>& visits, GDateTime* now);

// The pages of the two special folders: the favourites folder as read from disk at each call,
// the history from the program's one browsing history.
class FolderPages : public FolderPageSource {
 public:
  static constexpr int kHistoryPageVisits = 500;

  explicit FolderPages(const BrowsingHistory* history) : history_(history) {}
  std::optional<std::string> FolderPage(const ShellFolder& folder) override;

 private:
  const BrowsingHistory* history_;
};

}  // namespace tarravelle
