// The special-folder pane with fake folders and engines.
#include "favorites/folder_pane.h"

#include <gtest/gtest.h>

#include "ports/shell_folder_list.h"
#include "support/test_program.h"
#include "support/widget_geometry.h"

namespace tarravelle {
namespace {

class FolderPaneTest : public testing::Test {
 protected:
  FolderPaneTest() : form_(test_.ShowMainWindow()), pane_(test_.Pane()) {
    test_.specialFolders.lists[kFavoritesFolder] = EncodeShellFolder({"favorites", "/f"});
    test_.specialFolders.lists[kHistoryFolder] = EncodeShellFolder({"history", "/h.sqlite"});
  }

  bool PaneOpen() {
    return pane_.Visible() && form_.cmdCloseFavs.get_visible() &&
           form_.cmdCloseFavs.get_sensitive();
  }

  test::TestProgram test_;
  Form1& form_;
  test::FakeEngine& pane_;
};

TEST_F(FolderPaneTest, FavouritesThenHistoryLeaveOnePaneOnTheHistory) {
  EXPECT_FALSE(pane_.Visible());
  form_.Menu("mnuFavoritesInternetExplorerFavorites").Click();
  EXPECT_TRUE(PaneOpen());
  EXPECT_EQ(form_.cmdCloseFavs.Caption(), "Close Internet Explorer Favorites");
  form_.Menu("mnuToolsHistory").Click();
  EXPECT_TRUE(PaneOpen());
  EXPECT_EQ(form_.cmdCloseFavs.Caption(), "Close History Window");
  const auto favorites = EncodeShellFolder({"favorites", "/f"}).size();
  const auto history = EncodeShellFolder({"history", "/h.sqlite"}).size();
  EXPECT_EQ(pane_.calls,
            (std::vector<std::string>{"Navigate2(" + std::to_string(favorites) + " bytes)",
                                      "Navigate2(" + std::to_string(history) + " bytes)"}));
  EXPECT_EQ(test_.specialFolders.asked, (std::vector<int>{6, 34}));
  // The page view keeps its place and size below the pane.
  EXPECT_TRUE(test_.Page().Visible());
}

TEST_F(FolderPaneTest, CloseHidesThePaneAndTheSameItemOpensItAgain) {
  form_.Menu("mnuToolsHistory").Click();
  form_.cmdCloseFavs.Press();
  EXPECT_FALSE(pane_.Visible());
  EXPECT_FALSE(form_.cmdCloseFavs.get_visible());
  EXPECT_FALSE(form_.cmdCloseFavs.get_sensitive());
  form_.Menu("mnuToolsHistory").Click();
  EXPECT_TRUE(PaneOpen());
  EXPECT_EQ(pane_.calls.size(), 2u);
}

TEST_F(FolderPaneTest, FailedLookUpOrOversizedListChangesNothing) {
  test_.specialFolders.lists.clear();
  form_.Menu("mnuToolsHistory").Click();
  EXPECT_FALSE(PaneOpen());
  EXPECT_EQ(form_.cmdCloseFavs.Caption(), "Close IE Favorites");

  std::vector<std::uint8_t> huge(40000, 0);
  huge[0] = 0xFF;
  huge[1] = 0x7F;  // one item of 32,767 bytes, and the terminator after it
  test_.specialFolders.lists[kFavoritesFolder] = huge;
  form_.Menu("mnuFavoritesInternetExplorerFavorites").Click();
  EXPECT_FALSE(PaneOpen());
  EXPECT_TRUE(pane_.calls.empty());
}

TEST_F(FolderPaneTest, TheOtherBarsLeaveThePaneWhereItIs) {
  form_.Menu("mnuFavoritesInternetExplorerFavorites").Click();
  form_.cboURL.set_visible(false);
  form_.cmdBack.set_visible(false);
  EXPECT_EQ(test::PutPosition(form_.FormArea(), form_.cmdCloseFavs), std::make_pair(24.0, 88.0));
  EXPECT_EQ(test::PutPosition(form_.FormArea(), pane_.Widget()), std::make_pair(24.0, 120.0));
  int width = 0, height = 0;
  form_.cmdCloseFavs.get_size_request(width, height);
  EXPECT_EQ(width, 265);
  EXPECT_EQ(height, 33);
}

}  // namespace
}  // namespace tarravelle
