#pragma once

#include <glib.h>

#include <string>
#include <vector>

#include "platform/history_store.h"

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

}  // namespace tarravelle
