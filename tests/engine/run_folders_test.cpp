#include "engine/run_folders.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "engine/download_saver.h"
#include "support/temp_dir.h"

namespace tarravelle {
namespace {

bool Exists(const std::string& path) { return g_file_test(path.c_str(), G_FILE_TEST_EXISTS); }

pid_t EndedProcess() {
  const pid_t ended = fork();
  if (ended == 0) _exit(0);
  waitpid(ended, nullptr, 0);
  return ended;
}

TEST(RunFolders, ArePrivateAndOnlyThoseOfEndedRunsAreCleared) {
  const std::string root = PrivateRuntimeFolder();
  ASSERT_FALSE(root.empty());
  GStatBuf info;
  ASSERT_EQ(g_stat(root.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  const std::string ended = std::to_string(EndedProcess());
  const std::string left = root + "/preview-" + ended + "-AbC123";
  ASSERT_EQ(g_mkdir(left.c_str(), 0700), 0);
  ASSERT_TRUE(g_file_set_contents((left + "/preview.pdf").c_str(), "%PDF", -1, nullptr));
  const std::string ours = MakeRunFolder("preview");
  // A person's files, reached through links named as run folders, and folders of other names.
  test::TempDir documents;
  const std::string letter = documents.Write("letter.txt", "Dear");
  const std::string linked = root + "/preview-" + ended + "-LiNk12";
  const std::string linkedOther = root + "/notes-" + ended + "-x";
  ASSERT_EQ(symlink(documents.Path().c_str(), linked.c_str()), 0);
  ASSERT_EQ(symlink(documents.Path().c_str(), linkedOther.c_str()), 0);
  const std::string other = root + "/notes-" + ended + "-AbC123";
  ASSERT_EQ(g_mkdir(other.c_str(), 0700), 0);

  ClearFoldersOfEndedRuns();
  EXPECT_FALSE(Exists(left));
  EXPECT_TRUE(Exists(ours));
  EXPECT_TRUE(Exists(other));
  EXPECT_TRUE(Exists(letter));
  EXPECT_TRUE(g_file_test(linked.c_str(), G_FILE_TEST_IS_SYMLINK));
  EXPECT_TRUE(g_file_test(linkedOther.c_str(), G_FILE_TEST_IS_SYMLINK));
  g_rmdir(ours.c_str());
  g_rmdir(other.c_str());
  g_unlink(linked.c_str());
  g_unlink(linkedOther.c_str());
}

TEST(UnfinishedDownloads, OnlyWhatAnEndedRunRecordedInTheDownloadFolderIsRemoved) {
  test::TempDir dir;
  test::TempDir elsewhere;
  const std::string empty = dir.Write("unfinished.zip", "");
  const std::string partial = dir.Write("unfinished.zip.wkdownload", "half");
  const std::string finished = dir.Write("finished.zip", "whole");
  const std::string others = dir.Write("someone else's.zip", "");
  // Named by a record, but outside the download folder, or a link: never removed.
  const std::string outside = elsewhere.Write("notes.txt", "");
  const std::string outsidePartial = elsewhere.Write("notes.txt.wkdownload", "mine");
  const std::string link = dir.File("link.zip");
  ASSERT_EQ(symlink(outside.c_str(), link.c_str()), 0);
  ASSERT_EQ(symlink(outsidePartial.c_str(), (link + ".wkdownload").c_str()), 0);
  const std::string records =
      std::string(g_get_user_data_dir()) + "/tarravelle/unfinished-downloads";
  ASSERT_EQ(g_mkdir_with_parents(records.c_str(), 0700), 0);
  const std::string record = records + "/" + std::to_string(EndedProcess());
  const std::string named = empty + "\n" + finished + "\n" + outside + "\n" + link + "\n";
  ASSERT_TRUE(g_file_set_contents(record.c_str(), named.c_str(), -1, nullptr));
  ClearUnfinishedDownloadsOfEndedRuns(dir.Path());
  EXPECT_FALSE(Exists(empty));
  EXPECT_FALSE(Exists(partial));
  EXPECT_FALSE(Exists(record));
  for (const auto& kept : {finished, others, outside, outsidePartial})
    EXPECT_TRUE(Exists(kept)) << kept;
  EXPECT_TRUE(g_file_test(link.c_str(), G_FILE_TEST_IS_SYMLINK));
  EXPECT_TRUE(g_file_test((link + ".wkdownload").c_str(), G_FILE_TEST_IS_SYMLINK));
}

TEST(UnfinishedDownloads, ANameTooLongForTheFileSystemIsShortenedKeepingItsExtension) {
  test::TempDir dir;
  const std::string name = std::string(300, 'n') + ".tar.gz";
  const std::string path = UniqueDownloadPath(dir.Path(), name);
  const std::string base = path.substr(dir.Path().size() + 1);
  // The engine's partial file, the name and ".wkdownload", must fit as well.
  EXPECT_LE(base.size() + std::string(".wkdownload").size(), 255u);
  EXPECT_TRUE(base.ends_with("n.gz"));
  dir.Write(base, "taken");
  const std::string next = UniqueDownloadPath(dir.Path(), name).substr(dir.Path().size() + 1);
  EXPECT_LE(next.size() + std::string(".wkdownload").size(), 255u);
  EXPECT_TRUE(next.ends_with(" (1).gz"));
}

}  // namespace
}  // namespace tarravelle
