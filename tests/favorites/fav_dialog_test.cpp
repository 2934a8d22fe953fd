// The favourites dialog and the Favorites menu, with fake prompts and engines.
#include "favorites/fav_dialog.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <iterator>

#include "favorites/favorites_menu.h"
#include "support/main_loop.h"
#include "support/test_program.h"

namespace tarravelle {
namespace {

using Items = std::vector<std::string>;

class FavoritesTest : public testing::Test {
 protected:
  FavoritesTest() : form_(test_.ShowMainWindow()) { test_.Page().calls.clear(); }

  std::string FavPath() const { return test_.folder() + "/fav.Dat"; }
  void WriteFav(const std::string& content) {
    std::ofstream(FavPath(), std::ios::binary) << content;
  }
  std::string ReadFav() const {
    std::ifstream file(FavPath(), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  static std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  bool FavExists() const { return g_file_test(FavPath().c_str(), G_FILE_TEST_EXISTS); }
  void Add(const std::string& addressBar) {
    form_.cboURL.get_entry()->set_text(addressBar);
    form_.Menu("mnuFavoritesAddFavorites").Click();
  }
  frmFav& Show() {
    form_.Menu("mnuFavoritesShowFavorites").Click();
    return *test_.program().FavoritesDialog();
  }

  test::TestProgram test_;
  Form1& form_;
};

TEST_F(FavoritesTest, ShowLoadsTheDialogOnFirstReferenceFromTheFile) {
  WriteFav("one.example\r\ntwo.example\r\n");
  EXPECT_EQ(test_.program().FavoritesDialog(), nullptr);
  frmFav& dialog = Show();
  EXPECT_TRUE(dialog.get_visible());
  EXPECT_EQ(dialog.Items(), (Items{"one.example", "two.example"}));
  EXPECT_FALSE(dialog.cmdGoToFav.get_sensitive());
  EXPECT_FALSE(dialog.get_decorated());
  EXPECT_EQ(std::string(dialog.get_title()), "Form2");
  EXPECT_EQ(dialog.FilePath(), FavPath());
}

TEST_F(FavoritesTest, AddAppendsTheAddressBarTextAfterTheStoredItemsWithoutShowingOrSaving) {
  WriteFav("stored.example\r\n");
  Add("www.example.org");
  Add("www.example.org");
  Add("   ");
  // The list is the program's: no dialog is made to add to it.
  EXPECT_EQ(test_.program().FavoritesDialog(), nullptr);
  const Items added{"stored.example", "www.example.org", "www.example.org", "   "};
  EXPECT_EQ(test_.program().Favorites().Items(), added);
  EXPECT_EQ(ReadFav(), "stored.example\r\n");
  EXPECT_TRUE(test_.prompts.asked.empty());
  // Shown afterwards, the dialog shows the list as it stands, without reading the file again.
  WriteFav("changed.example\r\n");
  EXPECT_EQ(Show().Items(), added);
}

TEST_F(FavoritesTest, AddWithAnEmptyAddressBarAsksForTheAddress) {
  test_.prompts.inputAnswers = {std::string("news.example"), std::nullopt, std::string(""),
                                std::string("www.")};
  for (int i = 0; i < 4; ++i) Add("");
  ASSERT_EQ(test_.prompts.asked.size(), 4u);
  EXPECT_EQ(test_.prompts.asked[0].kind, "InputBox");
  EXPECT_EQ(test_.prompts.asked[0].text, "Enter website you wish to add to favorites");
  EXPECT_EQ(test_.prompts.asked[0].title, "Add");
  EXPECT_EQ(test_.prompts.asked[0].initial, "www.");
  EXPECT_EQ(test_.program().Favorites().Items(), (Items{"news.example", "www."}));
}

TEST_F(FavoritesTest, GoToUrlLoadsTheSelectedItemInTheFirstWindowAndHidesTheDialog) {
  WriteFav("a.example\r\nhttps://b.example/x y\r\n");
  Form1& second = test_.ShowMainWindow();
  second.Menu("mnuFavoritesShowFavorites").Click();
  frmFav& dialog = *test_.program().FavoritesDialog();
  dialog.SetListIndex(1);
  EXPECT_TRUE(dialog.cmdGoToFav.get_sensitive());
  dialog.cmdGoToFav.activate();
  ASSERT_TRUE(test::PumpUntil([&] { return !dialog.get_visible(); }, 3000));
  EXPECT_EQ(test_.Page(0).calls, Items{"Navigate(https://b.example/x y)"});
  EXPECT_EQ(std::string(form_.cboURL.get_entry()->get_text()), "https://b.example/x y");
  EXPECT_EQ(form_.cboURL.ItemCount(), 0u);
  EXPECT_FALSE(form_.cmdBack.get_sensitive());
  EXPECT_TRUE(test_.Page(1).calls.empty() || test_.Page(1).calls == Items{"Navigate()"});
  EXPECT_EQ(std::string(second.cboURL.get_entry()->get_text()), "");
  EXPECT_NE(test_.program().FavoritesDialog(), nullptr);  // hidden, still loaded
}

TEST_F(FavoritesTest, GoToUrlWithoutASelectionDoesNothing) {
  WriteFav("a.example\r\n");
  frmFav& dialog = Show();
  dialog.SetListIndex(0);
  dialog.cmdRemove_Click();
  EXPECT_TRUE(dialog.cmdGoToFav.get_sensitive());
  dialog.cmdGoToFav_Click();
  EXPECT_TRUE(dialog.get_visible());
  EXPECT_TRUE(test_.Page().calls.empty());
}

TEST_F(FavoritesTest, DoubleClickOpensLikeGoToUrl) {
  WriteFav("a.example\r\nb.example\r\n");
  frmFav& dialog = Show();
  dialog.SetListIndex(0);
  dialog.List1.activate_action("list.activate-item", Glib::Variant<guint32>::create(0));
  EXPECT_EQ(test_.Page().calls, Items{"Navigate(a.example)"});
  EXPECT_FALSE(dialog.get_visible());
}

TEST_F(FavoritesTest, ShowAfterGoKeepsTheListInMemoryWithoutRereadingTheFile) {
  WriteFav("a.example\r\n");
  frmFav& dialog = Show();
  Add("unsaved.example");
  dialog.SetListIndex(0);
  dialog.cmdGoToFav_Click();
  WriteFav("changed.example\r\n");
  EXPECT_EQ(&Show(), &dialog);
  EXPECT_TRUE(dialog.get_visible());
  EXPECT_EQ(dialog.Items(), (Items{"a.example", "unsaved.example"}));
}

TEST_F(FavoritesTest, RemoveTakesTheSelectedItemOnlyAndDoesNotSave) {
  WriteFav("a\r\nb\r\nc\r\n");
  frmFav& dialog = Show();
  dialog.cmdRemove_Click();  // nothing selected
  EXPECT_EQ(dialog.Items(), (Items{"a", "b", "c"}));
  dialog.SetListIndex(1);
  dialog.cmdRemove.activate();
  test::PumpFor(50);
  ASSERT_TRUE(test::PumpUntil([&] { return dialog.Items().size() == 2; }, 3000));
  EXPECT_EQ(dialog.Items(), (Items{"a", "c"}));
  EXPECT_EQ(dialog.ListIndex(), -1);
  EXPECT_EQ(ReadFav(), "a\r\nb\r\nc\r\n");
}

TEST_F(FavoritesTest, CloseSavesTheListAndUnloadsTheDialog) {
  WriteFav("a\r\n");
  frmFav& dialog = Show();
  Add("b, \"quoted\"");
  dialog.cmdClose_Click();
  EXPECT_EQ(ReadFav(), "a\r\nb, \"quoted\"\r\n");
  EXPECT_EQ(test_.program().FavoritesDialog(), nullptr);
  test::PumpFor(50);
  EXPECT_EQ(Show().Items(), (Items{"a", "b, \"quoted\""}));
}

TEST_F(FavoritesTest, ClosingAnEmptyListCreatesNoFileButEmptiesAnExistingOne) {
  Show().cmdClose_Click();
  EXPECT_FALSE(FavExists());

  WriteFav("gone\r\n");
  frmFav& dialog = Show();
  dialog.SetListIndex(0);
  dialog.cmdRemove_Click();
  dialog.cmdClose_Click();
  EXPECT_EQ(ReadFav(), "");
  EXPECT_TRUE(Show().Items().empty());
}

TEST_F(FavoritesTest, FailedSaveNamesTheFileAndKeepsTheDialogWithItsList) {
  // fav.Dat leads to a folder that is not there: nothing to read, and nowhere to write.
  ASSERT_EQ(symlink((test_.dir.File("gone") + "/fav.Dat").c_str(), FavPath().c_str()), 0);
  frmFav& dialog = Show();
  Add("precious.example");
  dialog.cmdClose_Click();
  ASSERT_EQ(test_.prompts.asked.size(), 1u);
  EXPECT_EQ(test_.prompts.asked[0].kind, "MsgBox");
  EXPECT_NE(test_.prompts.asked[0].text.find(FavPath()), std::string::npos);
  EXPECT_GT(test_.prompts.asked[0].text.size(), FavPath().size() + 40);
  EXPECT_EQ(test_.program().FavoritesDialog(), &dialog);
  EXPECT_EQ(dialog.Items(), Items{"precious.example"});
  EXPECT_TRUE(dialog.Dirty());
}

TEST_F(FavoritesTest, EndingTheProgramSavesUnsavedFavouritesFirst) {
  WriteFav("a\r\n");
  Add("added.example");
  form_.Menu("mnuFileClose").Click();
  EXPECT_EQ(test_.quits, 1);
  EXPECT_EQ(ReadFav(), "a\r\nadded.example\r\n");
}

// Logout, shutdown or a closed terminal end the program as File > Close does.
TEST_F(FavoritesTest, EndingBySignalSavesUnsavedFavouritesFromTheMainLoop) {
  for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(signal);
    test::TestProgram program;
    program.program().EndOnSignals();
    Form1& form = program.ShowMainWindow();
    form.cboURL.get_entry()->set_text("added.example");
    form.Menu("mnuFavoritesAddFavorites").Click();
    ASSERT_EQ(raise(signal), 0);
    EXPECT_EQ(program.quits, 0);  // nothing runs inside the signal handler itself
    ASSERT_TRUE(test::PumpUntil([&] { return program.quits == 1; }));
    std::ifstream saved(program.folder() + "/fav.Dat", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), "added.example\r\n");
  }
}

TEST_F(FavoritesTest, EndingWithoutChangesLeavesTheFileAlone) {
  WriteFav("a\n");  // not in the form the program writes
  Show();
  form_.close();
  EXPECT_EQ(test_.quits, 1);
  EXPECT_EQ(ReadFav(), "a\n");
}

TEST_F(FavoritesTest, AFileThatCannotBeReadIsNeverWrittenOverAndTheListGoesBesideIt) {
  // A folder, a pipe that would never end, and a file that is not text, where fav.Dat should be.
  const std::string binary(
      "\x7f"
      "ELF\x02\x01\x01\0\0\0",
      10);
  for (const std::string kind : {"folder", "pipe", "binary"}) {
    SCOPED_TRACE(kind);
    g_remove(FavPath().c_str());
    g_remove((FavPath() + ".new").c_str());
    if (kind == "binary") WriteFav(binary);
    if (kind == "pipe") {
      ASSERT_EQ(mkfifo(FavPath().c_str(), 0600), 0);
    } else if (kind == "folder") {
      ASSERT_EQ(g_mkdir(FavPath().c_str(), 0700), 0);
    }
    test_.prompts.asked.clear();
    frmFav& dialog = Show();
    ASSERT_EQ(test_.prompts.asked.size(), 1u);
    EXPECT_NE(test_.prompts.asked[0].text.find(FavPath()), std::string::npos);
    EXPECT_NE(test_.prompts.asked[0].text.find(kind == "binary" ? "not a text file"
                                                                : "not a regular file"),
              std::string::npos);
    EXPECT_TRUE(dialog.Items().empty());
    Add("kept.example");
    dialog.cmdClose_Click();
    EXPECT_EQ(test_.program().FavoritesDialog(), nullptr);
    if (kind == "binary") {
      EXPECT_EQ(ReadFav(), binary);
    }
    EXPECT_TRUE(
        g_file_test(FavPath().c_str(), kind == "folder" ? G_FILE_TEST_IS_DIR : G_FILE_TEST_EXISTS));
    EXPECT_EQ(Read(FavPath() + ".new"), "kept.example\r\n");
    // Loaded again (the next run), the list saved beside the file comes back and is kept.
    EXPECT_EQ(Show().Items(), Items{"kept.example"});
    Add("more.example");
    test_.program().FavoritesDialog()->cmdClose_Click();
    EXPECT_EQ(Read(FavPath() + ".new"), "kept.example\r\nmore.example\r\n");
    test::PumpFor(20);
  }
}

// fav.Dat leads nowhere (or the disk is full): Close says so, but the end of the run keeps the
// list beside the file, or in the data folder when that place holds a file of someone else's,
// and the next start says where.
TEST_F(FavoritesTest, AListThatCannotBeWrittenAtTheEndGoesElsewhereAndTheNextStartSaysWhere) {
  for (const bool besideTaken : {false, true}) {
    SCOPED_TRACE(besideTaken);
    test::TestProgram run;
    const std::string fav = run.folder() + "/fav.Dat";
    ASSERT_EQ(symlink(run.dir.File("gone/fav.Dat").c_str(), fav.c_str()), 0);
    if (besideTaken) {
      ASSERT_EQ(g_mkdir((fav + ".new").c_str(), 0700), 0);
    }
    Form1& form = run.ShowMainWindow();
    form.cboURL.get_entry()->set_text("precious.example");
    form.Menu("mnuFavoritesAddFavorites").Click();
    form.Menu("mnuFileClose").Click();
    ASSERT_EQ(run.quits, 1);
    const std::string where = besideTaken ? run.dir.File("data") + "/fav.Dat.new" : fav + ".new";
    EXPECT_EQ(Read(where), "precious.example\r\n");

    run.Restart();
    run.prompts.asked.clear();
    run.ShowMainWindow();
    ASSERT_EQ(run.prompts.asked.size(), 1u);
    EXPECT_NE(run.prompts.asked[0].text.find(fav), std::string::npos);
    EXPECT_NE(run.prompts.asked[0].text.find("saved to " + where), std::string::npos);
    // Said once.
    run.Restart();
    run.prompts.asked.clear();
    run.ShowMainWindow();
    EXPECT_TRUE(run.prompts.asked.empty());
  }
}

TEST_F(FavoritesTest, TemporariesOfASaveKilledHalfWayGoAtTheNextStart) {
  const std::string stale = test_.dir.Write("program/.fav.Dat.tarravelle-save-AbC123", "half");
  const std::string mine = test_.dir.Write("program/.fav.Dat.notes", "mine");
  test_.Restart();
  EXPECT_FALSE(g_file_test(stale.c_str(), G_FILE_TEST_EXISTS));
  EXPECT_TRUE(g_file_test(mine.c_str(), G_FILE_TEST_EXISTS));
}

TEST_F(FavoritesTest, AVeryLongLineIsShownCutAndKeptWhole) {
  const std::string longest = "http://long.example/" + std::string(10 * 1024 * 1024, 'x');
  WriteFav("short.example\r\n" + longest + "\r\n");
  frmFav& dialog = Show();
  auto row = [&](guint index) {
    auto* item = static_cast<GtkStringObject*>(
        g_list_model_get_item(G_LIST_MODEL(dialog.List1.get_model()->gobj()), index));
    std::string text = gtk_string_object_get_string(item);
    g_object_unref(item);
    return text;
  };
  EXPECT_EQ(row(0), "short.example");
  EXPECT_LT(row(1).size(), 2100u);
  EXPECT_TRUE(row(1).starts_with("http://long.example/xxx"));
  EXPECT_EQ(dialog.Items()[1], longest);
  Add("added.example");
  dialog.cmdClose_Click();
  EXPECT_EQ(ReadFav(), "short.example\r\n" + longest + "\r\nadded.example\r\n");
}

TEST(FavoritesFilePath, ProgramFolderWhenWritableDataFolderOtherwise) {
  test::TempDir dir;
  EXPECT_EQ(FavoritesFilePath(dir.Path(), "/data"), dir.Path() + "/fav.Dat");
  EXPECT_EQ(FavoritesFilePath(dir.File("missing"), "/data"), "/data/fav.Dat");
  // Installed by a package: never beside the program, even for root, who may write there.
  EXPECT_EQ(FavoritesFilePath("/usr/bin", "/data"), "/data/fav.Dat");
}

}  // namespace
}  // namespace tarravelle
