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

// The shell's special folders.
class SpecialFolders {
 public:
  virtual ~SpecialFolders() = default;
  // The folder's item-id list; nothing for a folder this desktop does not have.
  virtual std::optional<ItemIdList> GetSpecialFolderLocation(int folder) = 0;
};

// What an item-id list of this desktop names: a folder of a kind, at a path.
struct ShellFolder {
  std::string kind;  // "favorites" or "history"
  std::string path;  // the favourites folder, or the history database
};

// The page that shows a folder's contents, for the engine's Navigate2.
class FolderPageSource {
 public:
  virtual ~FolderPageSource() = default;
  // The page as HTML; nothing for a folder it cannot show.
  virtual std::optional<std::string> FolderPage(const ShellFolder& folder) = 0;
};

}  // namespace tarravelle
