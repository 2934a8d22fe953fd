#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarravelle {

// Folder identifiers of the shell.
inline constexpr int kFavoritesFolder = 6;
inline constexpr int kHistoryFolder = 34;

// A shell item-id list in memory: items, each led by its 16-bit little-endian byte count, ended
// by a zero count. Owning the bytes, it is released when it goes.
class ItemIdList {
 public:
  explicit ItemIdList(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  const std::uint8_t* data() const { return bytes_.data(); }

 private:
  std::vector<std::uint8_t> bytes_;
};

// What a list of this desktop names: a folder of a kind, at a path.
struct ShellFolder {
  std::string kind;  // "favorites" or "history"
  std::string path;  // the favourites folder, or the history database
};

// One-item list naming a folder; and the folder that a list names, if it names one.
std::vector<std::uint8_t> EncodeShellFolder(const ShellFolder& folder);
std::optional<ShellFolder> DecodeShellFolder(const std::vector<std::uint8_t>& itemIdList);

// The shell's special folders.
class SpecialFolders {
 public:
  virtual ~SpecialFolders() = default;
  // The folder's item-id list; nothing for a folder this desktop does not have.
  virtual std::optional<ItemIdList> GetSpecialFolderLocation(int folder) = 0;
};

// On this desktop: the favourites folder is <data>/Favorites (Internet shortcuts and .desktop
// links), and the history folder is the browsing history database <data>/history.sqlite.
class DesktopSpecialFolders : public SpecialFolders {
 public:
  explicit DesktopSpecialFolders(std::string dataFolder) : dataFolder_(std::move(dataFolder)) {}
  std::optional<ItemIdList> GetSpecialFolderLocation(int folder) override;

  std::string FavoritesFolder() const { return dataFolder_ + "/Favorites"; }
  std::string HistoryDatabase() const { return dataFolder_ + "/history.sqlite"; }

 private:
  std::string dataFolder_;
};

}  // namespace tarravelle
