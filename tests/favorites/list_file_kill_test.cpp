// A save killed at any moment leaves the old list or the new one, never anything else.
#include <glib.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "favorites/list_file.h"
#include "support/temp_dir.h"

namespace tarravelle {
namespace {

// How many saves to kill: a handful here; bench/list_file_kill.sh asks for hundreds.
int Trials() {
  const char* asked = std::getenv("TARRAVELLE_KILL_TRIALS");
  return asked ? std::max(1, std::atoi(asked)) : 12;
}

TEST(SaveListToFile, AKilledSaveLeavesTheOldListOrTheNewOne) {
  test::TempDir dir;
  const std::string path = dir.File("fav.Dat");
  const std::vector<std::string> before(2000, "http://old.example/a-long-enough-address");
  const std::vector<std::string> after(3000, "http://new.example/another-address");
  std::mt19937 random(20261208);
  int killedMidway = 0;
  for (int trial = 0; trial < Trials(); ++trial) {
    ASSERT_EQ(SaveListToFile(before, path), std::nullopt);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // The child only saves: no GTK, no test framework.
      _exit(SaveListToFile(after, path) ? 1 : 0);
    }
    usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) ++killedMidway;
    std::vector<std::string> list;
    ASSERT_TRUE(LoadListFromFile(list, path, true)) << "trial " << trial;
    EXPECT_TRUE(list == before || list == after) << "trial " << trial << ": " << list.size();
  }
  // The trials are only worth something if some saves were really cut short.
  if (Trials() >= 50) {
    EXPECT_GT(killedMidway, 0);
    std::printf("%d of %d saves killed before they ended; every file was whole\n", killedMidway,
                Trials());
  }
  // Temporaries the killed saves left are cleared by the next save.
  ASSERT_EQ(SaveListToFile(after, path), std::nullopt);
  int others = 0;
  GDir* folder = g_dir_open(dir.Path().c_str(), 0, nullptr);
  ASSERT_NE(folder, nullptr);
  while (const char* name = g_dir_read_name(folder)) {
    if (std::string(name) != "fav.Dat") ++others;
  }
  g_dir_close(folder);
  EXPECT_EQ(others, 0);
}

}  // namespace
}  // namespace tarravelle
