#include "favorites/folder_pages.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

constexpr const char* kPageStyle =
    "<style>body{background:#000;color:#0f0;font:13px 'Liberation Sans',sans-serif;"
    "margin:6px}h1{font-size:15px;color:#80ff80;margin:4px 0 8px}h2{font-size:13px;"
    "color:#80ff80;margin:10px 0 4px}a{color:#0f0;display:block;overflow:hidden;"
    "text-overflow:ellipsis;white-space:nowrap;padding:1px 0}.time{color:#0a0;"
    "margin-right:6px}p{color:#0a0}</style>";

// Addresses that a link in the pane may open; a script address would run in the pane's page.
bool IsOpenable(const std::string& url) {
  const GCharPtr scheme(g_uri_parse_scheme(url.c_str()));
  const std::string name = scheme ? scheme.get() : "";
  return name == "http" || name == "https" || name == "ftp" || name == "file";
}

std::string Link(const std::string& url, const std::string& text, const std::string& prefix = {}) {
  return "<a href=\"" + HtmlEscape(url) + "\" target=\"_blank\" title=\"" + HtmlEscape(url) +
         "\">" + prefix + HtmlEscape(text) + "</a>\n";
}

std::string Page(const std::string& title, const std::string& body) {
  return "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + title + "</title>" +
         kPageStyle + "</head><body><h1>" + title + "</h1>\n" + body + "</body></html>";
}

std::string Format(GDateTime* when, const char* format) {
  const GCharPtr text(g_date_time_format(when, format));
  return text ? text.get() : "";
}

}  // namespace

std::string HtmlEscape(const std::string& text) {
  const GCharPtr escaped(g_markup_escape_text(text.c_str(), static_cast<gssize>(text.size())));
  return escaped.get();
}

std::vector<FolderLink> ReadFavoritesFolder(const std::string& folder) {
  std::vector<FolderLink> links;
  std::error_code error;
  for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
       !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
    const auto& path = it->path();
    const std::string extension = path.extension().string();
    const bool shortcut = extension == ".url" || extension == ".URL";
    if (!shortcut && extension != ".desktop") continue;
    const GKeyFilePtr file(g_key_file_new());
    if (!g_key_file_load_from_file(file.get(), path.c_str(), G_KEY_FILE_NONE, nullptr)) continue;
    const char* group = shortcut ? "InternetShortcut" : "Desktop Entry";
    const GCharPtr url(g_key_file_get_string(file.get(), group, "URL", nullptr));
    const GCharPtr type(shortcut ? nullptr
                                 : g_key_file_get_string(file.get(), group, "Type", nullptr));
    const GCharPtr name(
        shortcut ? nullptr
                 : g_key_file_get_locale_string(file.get(), group, "Name", nullptr, nullptr));
    if (url && *url && (shortcut || (type && std::string_view(type.get()) == "Link"))) {
      links.push_back({name && *name ? name.get() : path.stem().string(), url.get()});
    }
  }
  std::sort(links.begin(), links.end(), [](const FolderLink& a, const FolderLink& b) {
    const GCharPtr left(g_utf8_casefold(a.name.c_str(), -1));
    const GCharPtr right(g_utf8_casefold(b.name.c_str(), -1));
    return g_utf8_collate(left.get(), right.get()) < 0;
  });
  return links;
}

std::vector<FolderLink> ReadGtkBookmarks(const std::string& path) {
  std::vector<FolderLink> places;
  gchar* read = nullptr;
  if (!g_file_get_contents(path.c_str(), &read, nullptr, nullptr)) return places;
  const GCharPtr text(read);
  const GStrvPtr lines(g_strsplit(text.get(), "\n", -1));
  for (gchar** line = lines.get(); *line; ++line) {
    const std::string entry = *line;
    if (entry.empty()) continue;
    const auto blank = entry.find(' ');
    const std::string uri = entry.substr(0, blank);
    std::string name = blank == std::string::npos ? "" : entry.substr(blank + 1);
    if (name.empty()) {
      const GCharPtr file(g_filename_from_uri(uri.c_str(), nullptr, nullptr));
      const GCharPtr base(file ? g_path_get_basename(file.get()) : nullptr);
      name = base ? base.get() : uri;
    }
    places.push_back({name, uri});
  }
  return places;
}

std::string FavoritesPage(const std::vector<FolderLink>& links, const std::string& folder,
                          const std::vector<FolderLink>& places) {
  std::string body;
  for (const auto& link : links) {
    if (IsOpenable(link.url)) body += Link(link.url, link.name);
  }
  if (body.empty()) {
    body = "<p>No favourites yet.</p>\n";
    if (!folder.empty()) {
      body += "<p>Internet shortcuts (.url files) and .desktop links that you put in <b>" +
              HtmlEscape(folder) + "</b> are listed here.</p>\n";
    }
  }
  std::string placeLinks;
  for (const auto& place : places) {
    if (IsOpenable(place.url)) placeLinks += Link(place.url, place.name);
  }
  if (!placeLinks.empty()) body += "<h2>Places</h2>\n" + placeLinks;
  return Page("Favorites", body);
}

std::string HistoryPage(const std::vector<Visit>& visits, GDateTime* now) {
  const GDateTimePtr today(g_date_time_new_local(g_date_time_get_year(now),
                                                 g_date_time_get_month(now),
                                                 g_date_time_get_day_of_month(now), 0, 0, 0));
  std::string body;
  std::string day;
  for (const auto& visit : visits) {
    if (!IsOpenable(visit.url)) continue;
    const GDateTimePtr when(g_date_time_new_from_unix_local(visit.time));
    if (!when) continue;
    const GDateTimePtr start(
        g_date_time_new_local(g_date_time_get_year(when.get()), g_date_time_get_month(when.get()),
                              g_date_time_get_day_of_month(when.get()), 0, 0, 0));
    const GTimeSpan back = g_date_time_difference(today.get(), start.get());
    std::string label;
    if (back <= 0) {
      label = "Today";
    } else if (back <= G_TIME_SPAN_DAY + G_TIME_SPAN_HOUR) {  // a day of 25 hours at clock change
      label = "Yesterday";
    } else {
      label = Format(when.get(), "%x");
    }
    if (label != day) {
      day = label;
      body += "<h2>" + HtmlEscape(label) + "</h2>\n";
    }
    const std::string text = visit.title.empty() ? visit.url : visit.title;
    body += Link(visit.url, text,
                 "<span class=\"time\">" + HtmlEscape(Format(when.get(), "%H:%M")) + "</span>");
  }
  if (body.empty()) body = "<p>No pages visited yet.</p>\n";
  return Page("History", body);
}

std::optional<std::string> FolderPages::FolderPage(const ShellFolder& folder) {
  if (folder.kind == "favorites") {
    return FavoritesPage(ReadFavoritesFolder(folder.path), folder.path,
                         ReadGtkBookmarks(bookmarks_));
  }
  if (folder.kind == "history") {
    const GDateTimePtr now(g_date_time_new_now_local());
    return HistoryPage(history_ ? history_->Recent(kHistoryPageVisits) : std::vector<Visit>{},
                       now.get());
  }
  return std::nullopt;
}

}  // namespace tarravelle
