#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/special_folders.h"

namespace tarravelle {

// How this desktop writes a folder into an item-id list: one item naming the folder's kind and
// path. The special folders write it and the engine's Navigate2 reads it, so both sides of the
// seam share this one definition. Encoding gives a whole list; decoding gives the folder a list
// names, if it names one.

inline constexpr std::string_view kShellFolderSignature = "tarravelle-folder";

inline std::vector<std::uint8_t> EncodeShellFolder(const ShellFolder& folder) {
  const std::string payload =
      std::string(kShellFolderSignature) + '\0' + folder.kind + '\0' + folder.path;
  const std::size_t count = payload.size() + 2;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(count + 2);
  bytes.push_back(static_cast<std::uint8_t>(count & 0xFF));
  bytes.push_back(static_cast<std::uint8_t>(count >> 8));
  bytes.insert(bytes.end(), payload.begin(), payload.end());
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

inline std::optional<ShellFolder> DecodeShellFolder(const std::vector<std::uint8_t>& list) {
  if (list.size() < 4) return std::nullopt;
  const std::size_t count = list[0] | (list[1] << 8);
  if (count < 2 || count + 2 > list.size()) return std::nullopt;
  const std::string payload(list.begin() + 2, list.begin() + static_cast<std::ptrdiff_t>(count));
  const std::size_t kindStart = kShellFolderSignature.size() + 1;
  if (payload.compare(0, kindStart, std::string(kShellFolderSignature) + '\0') != 0) {
    return std::nullopt;
  }
  const std::size_t pathStart = payload.find('\0', kindStart);
  if (pathStart == std::string::npos) return std::nullopt;
  return ShellFolder{payload.substr(kindStart, pathStart - kindStart),
                     payload.substr(pathStart + 1)};
}

}  // namespace tarravelle
