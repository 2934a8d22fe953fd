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
  bool read = LoadListLines(lines, path_, &why);
  // Once unreadable, the file stays untouched for the rest of the run.
  if (!why.empty()) unreadable_ = why;
  if (!read) {
    // The list saved beside a file that could not be used.
    const std::string beside = path_ + ".new";
    std::string besideWhy;
    read = LoadListLines(lines, beside, &besideWhy);
    if (read) readBeside_ = beside;
  }
  if (read) {
    items_ = std::move(lines.text);
    read_.assign(std::make_move_iterator(lines.bytes.begin()),
                 std::make_move_iterator(lines.bytes.end()));
  }
  dirty_ = false;
  loaded_ = true;
  noticeTaken_ = false;
  Reset.emit();
}

void FavoritesList::Unload() {
  items_.clear();
  read_.clear();
  dirty_ = false;
  loaded_ = false;
  Reset.emit();
}

std::optional<std::string> FavoritesList::TakeLoadNotice() {
  if (unreadable_.empty() || noticeTaken_) return std::nullopt;
  noticeTaken_ = true;
  return "The favourites file " + path_ + " could not be read (" + unreadable_ +
         "). Tarravelle leaves it as it is; favourites you add now are saved to " + SavePath() +
         ".";
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

// Whether the list may go to `path` at the end of the run: nothing is there, or this run read it.
bool FavoritesList::Takes(const std::string& path) const {
  GStatBuf info;
  return path == readBeside_ || g_lstat(path.c_str(), &info) != 0;
}

std::optional<SavedElsewhere> FavoritesList::SaveAnywhere(std::string& why) {
  const std::string intended = SavePath();
  const auto failed = Save();
  if (!failed) return std::nullopt;
  why = *failed;
  std::vector<std::string> places{path_ + ".new"};
  if (!fallbackFolder_.empty()) places.push_back(fallbackFolder_ + "/fav.Dat.new");
  for (const auto& place : places) {
    if (place == intended || !Takes(place)) continue;
    g_mkdir_with_parents(Glib::path_get_dirname(place).c_str(), 0700);
    if (!SaveListLines(items_, read_, place)) {
      dirty_ = false;
      return SavedElsewhere{intended, place, *failed};
    }
  }
  return std::nullopt;
}

namespace {
constexpr const char* kNoteName = "favorites-saved-elsewhere";
}

bool LeaveSavedElsewhereNote(const std::string& folder, const SavedElsewhere& saved) {
  const std::string note = saved.intended + "\n" + saved.where + "\n" + saved.why + "\n";
  g_mkdir_with_parents(folder.c_str(), 0700);
  return g_file_set_contents_full((folder + "/" + kNoteName).c_str(), note.data(),
                                  static_cast<gssize>(note.size()), G_FILE_SET_CONTENTS_CONSISTENT,
                                  0600, nullptr);
}

std::optional<std::string> TakeSavedElsewhereNote(const std::string& folder) {
  const std::string path = folder + "/" + kNoteName;
  ListLines lines;
  if (!LoadListLines(lines, path) || lines.text.size() < 3) return std::nullopt;
  g_unlink(path.c_str());
  return "At the end of the last run, your favourites could not be saved to " + lines.text[0] +
         " (" + lines.text[2] + "). They were saved to " + lines.text[1] + " instead.";
}

}  // namespace tarravelle
