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

// The favourites: the addresses of fav.Dat, read when the favourites dialog is loaded, changed
// by Add and Remove, and written back whole by Save. The dialog is a view of it.
class FavoritesList {
 public:
  explicit FavoritesList(std::string path) : path_(std::move(path)) {}
  FavoritesList(const FavoritesList&) = delete;
  FavoritesList& operator=(const FavoritesList&) = delete;

  // Reads the file afresh; without a file the list is empty. A file that is there but cannot be
  // read leaves the list empty and is never written over in this run: the list is saved beside
  // it (`SavePath()`) instead.
  void Load();
  // Why the file could not be read by the last Load; empty when it was read or was not there.
  const std::string& Unreadable() const { return unreadable_; }
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
  const std::string& FilePath() const { return path_; }

  // Asks for an address of the list to be opened; the program opens it in its first window.
  sigc::signal<void(const std::string&)> GoTo;
  // Raised after an item has been added or removed at an index, for the views.
  sigc::signal<void(std::size_t)> Added;
  sigc::signal<void(std::size_t)> Removed;
  // Raised after the whole list has been read or forgotten.
  sigc::signal<void()> Reset;

 private:
  std::string path_;
  std::string unreadable_;
  std::vector<std::string> items_;
  // For each item, the bytes it was read with from the file; none for an item added.
  std::vector<std::optional<std::string>> read_;
  bool dirty_ = false;
};

}  // namespace tarravelle
