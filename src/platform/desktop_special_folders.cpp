#include "platform/desktop_special_folders.h"

#include <glib/gstdio.h>

namespace tarravelle {
namespace {
constexpr std::string_view kSignature = "tarravelle-folder";
}

std::vector<std::uint8_t> EncodeShellFolder(const ShellFolder& folder) {
  const std::string payload = std::string(kSignature) + '\0' + folder.kind + '\0' + folder.path;
  const size_t count = payload.size() + 2;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(count + 2);
  bytes.push_back(static_cast<std::uint8_t>(count & 0xFF));
  bytes.push_back(static_cast<std::uint8_t>(count >> 8));
  bytes.insert(bytes.end(), payload.begin(), payload.end());
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

std::optional<ShellFolder> DecodeShellFolder(const std::vector<std::uint8_t>& list) {
  if (list.size() < 4) return std::nullopt;
  const size_t count = list[0] | (list[1] << 8);
  if (count < 2 || count + 2 > list.size()) return std::nullopt;
  const std::string payload(list.begin() + 2, list.begin() + static_cast<std::ptrdiff_t>(count));
  const size_t kindStart = kSignature.size() + 1;
  if (payload.compare(0, kindStart, std::string(kSignature) + '\0') != 0) return std::nullopt;
  const size_t pathStart = payload.find('\0', kindStart);
  if (pathStart == std::string::npos) return std::nullopt;
  return ShellFolder{payload.substr(kindStart, pathStart - kindStart),
                     payload.substr(pathStart + 1)};
}

std::optional<ItemIdList> DesktopSpecialFolders::GetSpecialFolderLocation(int folder) {
  switch (folder) {
    case kFavoritesFolder: {
      const std::string path = FavoritesFolder();
      g_mkdir_with_parents(path.c_str(), 0700);
      return ItemIdList(EncodeShellFolder({"favorites", path}));
    }
    case kHistoryFolder: return ItemIdList(EncodeShellFolder({"history", HistoryDatabase()}));
    default: return std::nullopt;
  }
}

}  // namespace tarravelle
