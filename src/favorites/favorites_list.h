#pragma once

#include <sigc++/signal.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarravelle {

// fav.Dat in the program's folder when the person may write there (a build tree, a portable
// copy), and in the program's data folder otherwise: an installed program, and any program in
// the system's folders (/usr/..., /bin, /sbin), which root may write to.
std::string FavoritesFilePath(const std::string& programFolder, const std::string& dataFolder);

// Where a list that could not be written where it belongs went instead.
struct SavedElsewhere {
  std::string intended;  // where it belongs
  std::string where;     // where it went
  std::string why;       // why it could not go where it belongs
};

// Records, in `folder`, that the list was saved elsewhere, for the next start to tell.
bool LeaveSavedElsewhereNote(const std::string& folder, const SavedElsewhere& saved);
// What the last run's note says, as a message to the person, and the note gone; nothing when
// there is none.
std::optional<std::string> TakeSavedElsewhereNote(const std::string& folder);

// The favourites: the addresses of fav.Dat, read when the favourites dialog is loaded, changed
// by Add and Remove, and written back whole by Save. The dialog is a view of it.
class FavoritesList {
 public:
  // `fallbackFolder`: where the list goes at the end of a run when neither its file nor the
  // place beside it takes it.
  explicit FavoritesList(std::string path, std::string fallbackFolder = {})
      : path_(std::move(path)), fallbackFolder_(std::move(fallbackFolder)) {}
  FavoritesList(const FavoritesList&) = delete;
  FavoritesList& operator=(const FavoritesList&) = delete;

  // Reads the file afresh; without a file the list is empty. A file that is there but cannot be
  // read is never written over in this run: the list is saved beside it (`SavePath()`) instead.
  // While the file cannot be used (unreadable, or not there) the list saved beside it is read,
  // so what went there comes back.
  void Load();
  // Reads the file when the list has not been read since the start or the last Unload.
  void LoadOnce() {
    if (!loaded_) Load();
  }
  bool Loaded() const { return loaded_; }
  // Why the file could not be read by the last Load; empty when it was read or was not there.
  const std::string& Unreadable() const { return unreadable_; }
  // What the person is to be told of the last Load, once: that the file could not be read and
  // where the list goes instead.
  std::optional<std::string> TakeLoadNotice();
  // Where Save writes: the file, or beside it when it could not be read.
  std::string SavePath() const { return unreadable_.empty() ? path_ : path_ + ".new"; }
  // Forgets the list, as an unloaded dialog does; the next Load reads the file again.
  void Unload();

  const std::vector<std::string>& Items() const { return items_; }
  void Add(const std::string& item);
  // Removes the item at `index`; false when there is none.
  bool Remove(std::size_t index);

  // Whether the list has changed since it was read or last saved.
  bool Dirty() const { return dirty_; }
  // Writes the list to the file; the reason when it cannot.
  std::optional<std::string> Save();
  // At the end of the run: writes the list to the file or, when that fails, beside it
  // (fav.Dat.new) or in the fallback folder, never over a list this run did not read. Says
  // where it went when that is not where it belongs; `why` gets the reason when it went nowhere.
  std::optional<SavedElsewhere> SaveAnywhere(std::string& why);
  const std::string& FilePath() const { return path_; }

  // Asks for an address of the list to be opened; the program opens it in its first window.
  sigc::signal<void(const std::string&)> GoTo;
  // Raised after an item has been added or removed at an index, for the views.
  sigc::signal<void(std::size_t)> Added;
  sigc::signal<void(std::size_t)> Removed;
  // Raised after the whole list has been read or forgotten.
  sigc::signal<void()> Reset;

 private:
  bool Takes(const std::string& path) const;

  std::string path_;
  std::string fallbackFolder_;
  std::string unreadable_;
  // The list beside the file, when this run read it.
  std::string readBeside_;
  std::vector<std::string> items_;
  // For each item, the bytes it was read with from the file; none for an item added.
  std::vector<std::optional<std::string>> read_;
  bool dirty_ = false;
  bool loaded_ = false;
  bool noticeTaken_ = false;
};

}  // namespace tarravelle
