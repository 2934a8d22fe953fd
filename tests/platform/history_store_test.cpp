#include "platform/history_store.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tarravelle {
namespace {

TEST(HistoryStore, RecordsVisitsNewestFirstAndTakesLateTitles) {
  test::TempDir dir;
  HistoryStore store(dir.File("sub/history.sqlite"));
  ASSERT_TRUE(store.IsOpen());
  const auto first = store.Record("http://a.example/", "", 100);
  store.Record("http://b.example/", "B", 200);
  ASSERT_NE(first, 0);
  store.UpdateTitle(first, "A's title");
  const auto visits = store.Recent(10);
  ASSERT_EQ(visits.size(), 2u);
  EXPECT_EQ(visits[0].url, "http://b.example/");
  EXPECT_EQ(visits[1].title, "A's title");
  EXPECT_EQ(store.Recent(1).size(), 1u);

  // A second store on the same file sees the same history.
  EXPECT_EQ(HistoryStore(dir.File("sub/history.sqlite")).Recent(10).size(), 2u);
  // Only its person may read where they have been.
  GStatBuf info;
  ASSERT_EQ(g_stat(dir.File("sub/history.sqlite").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(HistoryStore, UnopenableDatabaseLeavesAnEmptyHistory) {
  test::TempDir dir;
  dir.Write("blocker", "a file where a folder should be");
  HistoryStore store(dir.File("blocker/history.sqlite"));
  EXPECT_FALSE(store.IsOpen());
  EXPECT_EQ(store.Record("http://a.example/", "A", 1), 0);
  EXPECT_TRUE(store.Recent(5).empty());
}

}  // namespace
}  // namespace tarravelle
