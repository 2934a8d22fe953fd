#include "favorites/folder_pages.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tarravelle {
namespace {

TEST(FavoritesFolder, ReadsShortcutsAndLinksByName) {
  test::TempDir dir;
  dir.Write("Zeta.url", "[InternetShortcut]\nURL=https://zeta.example/\n");
  dir.Write("news/alpha.URL", "[InternetShortcut]\r\nURL=http://alpha.example/?a=1&b=2\r\n");
  dir.Write("beta.desktop",
            "[Desktop Entry]\nType=Link\nName=Beta & Co\nURL=http://beta.example/\n");
  dir.Write("app.desktop", "[Desktop Entry]\nType=Application\nName=App\nExec=app\n");
  dir.Write("broken.url", "no group here");
  dir.Write("notes.txt", "URL=http://not.example/");
  const auto links = ReadFavoritesFolder(dir.Path());
  ASSERT_EQ(links.size(), 3u);
  EXPECT_EQ(links[0].name, "alpha");
  EXPECT_EQ(links[1].name, "Beta & Co");
  EXPECT_EQ(links[2].name, "Zeta");
  EXPECT_EQ(links[0].url, "http://alpha.example/?a=1&b=2");
  EXPECT_TRUE(ReadFavoritesFolder(dir.File("missing")).empty());
}

TEST(FolderPages, LinksOpenInTheirOwnWindowEscapedAndOnlyForWebAddresses) {
  const std::string page = FavoritesPage(
      {{"<b>Bold</b>", "http://x.example/?a=1&b=\"2\""}, {"Script", "javascript:alert(1)"}});
  EXPECT_NE(page.find("<title>Favorites</title>"), std::string::npos);
  EXPECT_NE(page.find("href=\"http://x.example/?a=1&amp;b=&quot;2&quot;\" target=\"_blank\""),
            std::string::npos);
  EXPECT_NE(page.find("&lt;b&gt;Bold&lt;/b&gt;"), std::string::npos);
  EXPECT_EQ(page.find("javascript:"), std::string::npos);
  EXPECT_NE(FavoritesPage({}).find("No favourites yet."), std::string::npos);
}

TEST(FolderPages, AnEmptyFolderSaysWhereItIsAndTheDesktopsPlacesFollow) {
  test::TempDir dir;
  dir.Write("bookmarks", "file:///home/me/Music%20Files\nfile:///srv/docs Team docs\n\n");
  const auto places = ReadGtkBookmarks(dir.File("bookmarks"));
  ASSERT_EQ(places.size(), 2u);
  EXPECT_EQ(places[0].name, "Music Files");
  EXPECT_EQ(places[1].name, "Team docs");
  EXPECT_TRUE(ReadGtkBookmarks(dir.File("missing")).empty());
  const std::string page = FavoritesPage({}, "/home/me/.local/share/tarravelle/Favorites", places);
  EXPECT_NE(page.find("/home/me/.local/share/tarravelle/Favorites"), std::string::npos);
  EXPECT_NE(page.find(".url"), std::string::npos);
  EXPECT_LT(page.find("<h2>Places</h2>"), page.find("file:///srv/docs"));
}

TEST(FolderPages, HistoryIsGroupedByDayNewestFirst) {
  GDateTime* now = g_date_time_new_local(2026, 12, 8, 10, 30, 0);
  auto at = [](int day, int hour) {
    GDateTime* when = g_date_time_new_local(2026, 12, day, hour, 5, 0);
    const std::int64_t seconds = g_date_time_to_unix(when);
    g_date_time_unref(when);
    return seconds;
  };
  const std::vector<Visit> visits{{"http://today.example/", "Today's page", at(8, 9)},
                                  {"http://early.example/", "", at(8, 0)},
                                  {"http://yesterday.example/", "Yesterday's", at(7, 23)},
                                  {"about:blank", "skipped", at(6, 12)},
                                  {"http://older.example/", "Older", at(3, 12)}};
  const std::string page = HistoryPage(visits, now);
  g_date_time_unref(now);
  const auto today = page.find("<h2>Today</h2>");
  const auto yesterday = page.find("<h2>Yesterday</h2>");
  const auto older = page.find("<h2>12/03/26</h2>");
  ASSERT_NE(today, std::string::npos);
  ASSERT_NE(yesterday, std::string::npos);
  ASSERT_NE(older, std::string::npos);
  EXPECT_LT(today, page.find("Today&apos;s page"));
  EXPECT_LT(page.find("http://early.example/\">"), yesterday);  // untitled: named by address
  EXPECT_LT(yesterday, page.find("Yesterday&apos;s"));
  EXPECT_LT(yesterday, older);
  EXPECT_EQ(page.find("skipped"), std::string::npos);
  EXPECT_NE(page.find("09:05"), std::string::npos);
}

}  // namespace
}  // namespace tarravelle
