// Any bytes as fav.Dat: either no list (a reason is given), or read without harm, every item
// valid UTF-8 without a line end, and what is read saves with the very bytes of its lines and
// reads back the same.
#include <glib.h>
#include <glib/gstdio.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "favorites/list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string folder = [] {
    gchar* made = g_dir_make_tmp("tarravelle-fuzz-XXXXXX", nullptr);
    std::string path = made;
    g_free(made);
    return path;
  }();
  const std::string path = folder + "/fav.Dat";
  g_file_set_contents(path.c_str(), reinterpret_cast<const char*>(data),
                      static_cast<gssize>(size), nullptr);
  tarravelle::ListLines lines;
  std::string why;
  if (!tarravelle::LoadListLines(lines, path, &why)) {
    if (why.empty() || !lines.text.empty()) std::abort();
    return 0;
  }
  if (lines.text.size() != lines.bytes.size()) std::abort();
  for (const auto& item : lines.text) {
    if (!g_utf8_validate(item.data(), static_cast<gssize>(item.size()), nullptr) ||
        item.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
      std::abort();
    }
  }
  const std::vector<std::optional<std::string>> bytes(lines.bytes.begin(), lines.bytes.end());
  if (tarravelle::SaveListLines(lines.text, bytes, path)) std::abort();
  std::string expected;
  for (const auto& line : lines.bytes) expected += line + "\r\n";
  gchar* saved = nullptr;
  gsize length = 0;
  if (!g_file_get_contents(path.c_str(), &saved, &length, nullptr)) std::abort();
  const bool same = std::string(saved, length) == expected;
  g_free(saved);
  if (!same) std::abort();
  tarravelle::ListLines again;
  if (!tarravelle::LoadListLines(again, path) || again.text != lines.text ||
      again.bytes != lines.bytes) {
    std::abort();
  }
  return 0;
}
