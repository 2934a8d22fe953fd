// Any bytes as fav.Dat: read without harm, every item valid UTF-8 without a line end or NUL, and
// what is read saves and reads back the same.
#include <glib.h>
#include <glib/gstdio.h>

#include <cstdint>
#include <cstdlib>
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
  std::vector<std::string> list;
  if (!tarravelle::LoadListFromFile(list, path, true)) std::abort();
  for (const auto& item : list) {
    if (!g_utf8_validate(item.data(), static_cast<gssize>(item.size()), nullptr) ||
        item.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
      std::abort();
    }
  }
  if (tarravelle::SaveListToFile(list, path)) std::abort();
  std::vector<std::string> again;
  if (!tarravelle::LoadListFromFile(again, path, true) || again != list) std::abort();
  return 0;
}
