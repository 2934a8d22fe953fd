#include "engine/run_folders.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace tarravelle {
namespace {

bool Exists(const std::string& path) { return g_file_test(path.c_str(), G_FILE_TEST_EXISTS); }

TEST(RunFolders, ArePrivateAndOnlyThoseOfEndedRunsAreCleared) {
  const std::string root = PrivateRuntimeFolder();
  ASSERT_FALSE(root.empty());
  GStatBuf info;
  ASSERT_EQ(g_stat(root.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  const pid_t ended = fork();
  if (ended == 0) _exit(0);
  ASSERT_EQ(waitpid(ended, nullptr, 0), ended);
  const std::string left = root + "/preview-" + std::to_string(ended) + "-AbC123";
  ASSERT_EQ(g_mkdir(left.c_str(), 0700), 0);
  ASSERT_TRUE(g_file_set_contents((left + "/preview.pdf").c_str(), "%PDF", -1, nullptr));
  const std::string ours = MakeRunFolder("preview");
  const std::string other = root + "/notes-of-mine";
  ASSERT_EQ(g_mkdir(other.c_str(), 0700), 0);

  ClearFoldersOfEndedRuns();
  EXPECT_FALSE(Exists(left));
  EXPECT_TRUE(Exists(ours));
  EXPECT_TRUE(Exists(other));
  g_rmdir(ours.c_str());
  g_rmdir(other.c_str());
}

}  // namespace
}  // namespace tarravelle
