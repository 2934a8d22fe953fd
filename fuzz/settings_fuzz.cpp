// Any bytes as settings.ini: every look-up answers (empty text for what cannot be read).
#include <glib.h>

#include <cstdint>
#include <string>

#include "platform/key_file_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = [] {
    gchar* made = g_dir_make_tmp("tarravelle-fuzz-XXXXXX", nullptr);
    std::string file = std::string(made) + "/settings.ini";
    g_free(made);
    return file;
  }();
  g_file_set_contents(path.c_str(), reinterpret_cast<const char*>(data),
                      static_cast<gssize>(size), nullptr);
  const tarravelle::KeyFileSettings settings(path);
  settings.GetSetting("/opt/tarravelle", "HP", "HP");
  settings.GetSetting("Tarravelle Engine", "Main", "Start Page");
  return 0;
}
