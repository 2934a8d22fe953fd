#include "engine/run_folders.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

// The process that made a run folder: the number after the kind, or 0 for another name.
long OwnerOf(const std::string& name) {
  const auto first = name.find('-');
  const auto second = name.find('-', first + 1);
  if (first == std::string::npos || second == std::string::npos || second == first + 1) return 0;
  const std::string digits = name.substr(first + 1, second - first - 1);
  if (digits.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::strtol(digits.c_str(), nullptr, 10);
}

// A run folder holds files only.
void RemoveFolder(const std::string& folder) {
  if (GDir* dir = g_dir_open(folder.c_str(), 0, nullptr)) {
    while (const char* name = g_dir_read_name(dir)) g_unlink((folder + "/" + name).c_str());
    g_dir_close(dir);
  }
  g_rmdir(folder.c_str());
}

}  // namespace

bool ProcessRunning(long pid) { return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM; }

std::string PrivateRuntimeFolder() {
  const std::string folder = std::string(g_get_user_runtime_dir()) + "/tarravelle";
  if (g_mkdir_with_parents(folder.c_str(), 0700) != 0) return {};
  g_chmod(folder.c_str(), 0700);
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
  GDir* dir = root.empty() ? nullptr : g_dir_open(root.c_str(), 0, nullptr);
  if (!dir) return;
  while (const char* name = g_dir_read_name(dir)) {
    const long owner = OwnerOf(name);
    const std::string path = root + "/" + name;
    if (owner > 0 && !ProcessRunning(owner) && g_file_test(path.c_str(), G_FILE_TEST_IS_DIR)) {
      RemoveFolder(path);
    }
  }
  g_dir_close(dir);
}

}  // namespace tarravelle
