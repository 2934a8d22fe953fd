#include "platform/desktop_special_folders.h"

#include <glib.h>
#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tarravelle {
namespace {

TEST(DesktopSpecialFolders, KnowsFavouritesAndHistoryOnly) {
  test::TempDir dir;
  DesktopSpecialFolders folders(dir.Path());
  auto favorites = folders.GetSpecialFolderLocation(kFavoritesFolder);
  ASSERT_TRUE(favorites.has_value());
  EXPECT_TRUE(g_file_test(folders.FavoritesFolder().c_str(), G_FILE_TEST_IS_DIR));
  EXPECT_TRUE(folders.GetSpecialFolderLocation(kHistoryFolder).has_value());
  EXPECT_FALSE(folders.GetSpecialFolderLocation(5).has_value());
}

}  // namespace
}  // namespace tarravelle
