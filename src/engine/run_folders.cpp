#include "engine/run_folders.h"

#include <dirent.h>
#include <fcntl.h>
#include <glib.h>
#include <glib/gstdio.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace tarravelle {
namespace {

// The kinds of run folder this program makes, and the length of the random tail g_mkdtemp gives.
constexpr const char* kRunFolderKinds[] = {"preview"};
constexpr std::size_t kRandomTail = 6;

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::ranges::all_of(text, [](unsigned char c) { return std::isdigit(c); });
}

// The process that made a run folder, when the name is exactly one this program makes
// ("<kind>-<pid>-XXXXXX"); 0 for any other name, which is never touched.
long OwnerOf(std::string_view name) {
  for (const std::string_view kind : kRunFolderKinds) {
    if (!name.starts_with(kind) || name.size() <= kind.size() + 2 + kRandomTail) continue;
    std::string_view rest = name.substr(kind.size());
    if (rest.front() != '-') continue;
    rest.remove_prefix(1);
    const auto dash = rest.size() - kRandomTail - 1;
    if (rest[dash] != '-') continue;
    const std::string_view pid = rest.substr(0, dash);
    const std::string_view tail = rest.substr(dash + 1);
    if (!AllDigits(pid) || pid.size() > 9 || pid.front() == '0') continue;
    if (!std::ranges::all_of(tail, [](unsigned char c) { return std::isalnum(c); })) continue;
    return std::strtol(std::string(pid).c_str(), nullptr, 10);
  }
  return 0;
}

// Empties and removes the folder `name` of the folder open as `parent`, without following a
// symbolic link anywhere: only regular files in it are removed, so a folder holding anything
// else (which this program never puts there) stays.
void RemoveRunFolder(int parent, const char* name) {
  const int fd = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  struct stat info;
  if (fstat(fd, &info) != 0 || info.st_uid != geteuid()) {
    close(fd);
    return;
  }
  DIR* dir = fdopendir(fd);
  if (!dir) {
    close(fd);
    return;
  }
  while (const dirent* entry = readdir(dir)) {
    struct stat file;
    if (fstatat(fd, entry->d_name, &file, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(file.st_mode)) {
      unlinkat(fd, entry->d_name, 0);
    }
  }
  closedir(dir);
  unlinkat(parent, name, AT_REMOVEDIR);
}

}  // namespace

bool ProcessRunning(long pid) { return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

std::string PrivateRuntimeFolder() {
  const std::string folder = std::string(g_get_user_runtime_dir()) + "/tarravelle";
  if (g_mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
  // Only a real folder of this person's: a link in its place may point at anything.
  struct stat info;
  if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid()) {
    return {};
  }
  if ((info.st_mode & 0777) != 0700) g_chmod(folder.c_str(), 0700);
  return folder;
}

std::string MakeRunFolder(const std::string& kind) {
  const std::string root = PrivateRuntimeFolder();
  if (root.empty()) return {};
  std::string pattern = root + "/" + kind + "-" + std::to_string(getpid()) + "-XXXXXX";
  if (!g_mkdtemp_full(pattern.data(), 0700)) return {};
  return pattern;
}

void ClearFoldersOfEndedRuns() {
  const std::string root = PrivateRuntimeFolder();
  const int fd =
      root.empty() ? -1 : open(root.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  DIR* dir = fdopendir(fd);
  if (!dir) {
    close(fd);
    return;
  }
  std::vector<std::string> ended;
  while (const dirent* entry = readdir(dir)) {
    const long owner = OwnerOf(entry->d_name);
    if (owner > 0 && !ProcessRunning(owner)) ended.emplace_back(entry->d_name);
  }
  for (const auto& name : ended) RemoveRunFolder(fd, name.c_str());
  closedir(dir);
}

}  // namespace tarravelle
