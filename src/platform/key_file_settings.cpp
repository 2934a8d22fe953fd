#include "platform/key_file_settings.h"

#include <glibmm/fileutils.h>
#include <glibmm/keyfile.h>
#include <glibmm/miscutils.h>

namespace tarravelle {

KeyFileSettings::KeyFileSettings(std::string path) : path_(std::move(path)) {}

std::string KeyFileSettings::DefaultPath() {
  return Glib::build_filename(Glib::get_user_config_dir(), "tarravelle", "settings.ini");
}

std::string KeyFileSettings::GetSetting(const std::string& application, const std::string& section,
                                        const std::string& key) const {
  try {
    auto file = Glib::KeyFile::create();
    file->load_from_file(path_, Glib::KeyFile::Flags::NONE);
    return file->get_string(application + "\\" + section, key);
  } catch (const Glib::Error&) {
    // Missing or unreadable file, malformed content, missing group or key: all mean "not set".
    return {};
  }
}

}  // namespace tarravelle
