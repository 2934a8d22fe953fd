#include "favorites/favorites_list.h"

#include <glib/gstdio.h>
#include <glibmm/miscutils.h>
#include <unistd.h>

#include "favorites/list_file.h"

namespace tarravelle {

namespace {

// A folder of the system's programs, kept by its package manager: no person's list belongs
// there, even when the person, as root, may write to it.
bool IsSystemProgramFolder(const std::string& folder) {
  return folder == "/usr" || folder.starts_with("/usr/") || folder == "/bin" || folder == "/sbin";
}

}  // namespace

std::string FavoritesFilePath(const std::string& programFolder, const std::string& dataFolder) {
  const bool portable =
      !IsSystemProgramFolder(programFolder) && access(programFolder.c_str(), W_OK) == 0;
  const std::string folder = portable ? programFolder : dataFolder;
  return folder + "/fav.Dat";
}

void FavoritesList::Load() {
  items_.clear();
  read_.clear();
  std::string why;
  ListLines lines;
  if (LoadListLines(lines, path_, &why)) {
    items_ = std::move(lines.text);
    read_.assign(std::make_move_iterator(lines.bytes.begin()),
                 std::make_move_iterator(lines.bytes.end()));
  } else if (!why.empty()) {
    // Once unreadable, the file stays untouched for the rest of the run.
    unreadable_ = why;
  }
  dirty_ = false;
  Reset.emit();
}

void FavoritesList::Unload() {
  items_.clear();
  read_.clear();
  dirty_ = false;
  Reset.emit();
}

void FavoritesList::Add(const std::string& item) {
  items_.push_back(item);
  read_.emplace_back();
  dirty_ = true;
  Added.emit(items_.size() - 1);
}

bool FavoritesList::Remove(std::size_t index) {
  if (index >= items_.size()) return false;
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
  read_.erase(read_.begin() + static_cast<std::ptrdiff_t>(index));
  dirty_ = true;
  Removed.emit(index);
  return true;
}

std::optional<std::string> FavoritesList::Save() {
  // The data folder of an installed program may not exist yet.
  const std::string target = SavePath();
  const std::string folder = Glib::path_get_dirname(target);
  if (!items_.empty()) g_mkdir_with_parents(folder.c_str(), 0700);
  // The items read from the file go back with the bytes they were read with.
  auto reason = SaveListLines(items_, read_, target);
  if (!reason) dirty_ = false;
  return reason;
}

}  // namespace tarravelle
