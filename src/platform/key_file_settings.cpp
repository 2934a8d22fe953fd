#include "platform/key_file_settings.h"

#include <glib.h>
#include <glib/gstdio.h>
#include <glibmm/fileutils.h>
#include <glibmm/keyfile.h>
#include <glibmm/miscutils.h>
#include <sys/stat.h>

namespace tarravelle {
namespace {

// A reason that may quote the file's own bytes (GLib's parser quotes the line it stopped at), as
// text to show: printable characters as they are, every other byte as \xNN, and not longer than
// a line of the status line needs.
std::string PrintableReason(const std::string& reason) {
  constexpr std::size_t kLongest = 300;
  std::string shown;
  const char* at = reason.data();
  const char* end = at + reason.size();
  while (at < end && shown.size() < kLongest) {
    const gunichar c = g_utf8_get_char_validated(at, end - at);
    if (c != static_cast<gunichar>(-1) && c != static_cast<gunichar>(-2) && g_unichar_isprint(c)) {
      const char* next = g_utf8_next_char(at);
      shown.append(at, next);
      at = next;
    } else {
      char escaped[5];
      g_snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(*at));
      shown += escaped;
      ++at;
    }
  }
  if (at < end) shown += "\u2026";
  return shown;
}

}  // namespace

KeyFileSettings::KeyFileSettings(std::string path) : path_(std::move(path)) {}

std::string KeyFileSettings::DefaultPath() {
  return Glib::build_filename(Glib::get_user_config_dir(), "tarravelle", "settings.ini");
}

std::string KeyFileSettings::GetSetting(const std::string& application, const std::string& section,
                                        const std::string& key) const {
  Refresh();
  if (!cache_) return {};
  try {
    return (*cache_)->get_string(application + "\\" + section, key);
  } catch (const Glib::Error&) {
    // A missing group or key means "not set".
    return {};
  }
}

std::string KeyFileSettings::Problem() const {
  Refresh();
  return problem_;
}

void KeyFileSettings::Refresh() const {
  // The file is parsed again only when it has changed since it was last read: a large file
  // would otherwise hold every look-up.
  GStatBuf info;
  const bool exists = g_stat(path_.c_str(), &info) == 0;
  const Stamp stamp = exists ? Stamp{static_cast<std::int64_t>(info.st_ino),
                                     static_cast<std::int64_t>(info.st_size),
                                     static_cast<std::int64_t>(info.st_mtim.tv_sec),
                                     static_cast<std::int64_t>(info.st_mtim.tv_nsec)}
                             : Stamp{};
  if (!exists) {
    cache_.reset();
    problem_.clear();
  } else if (!S_ISREG(info.st_mode)) {
    // A folder, or a pipe that would never end: never opened.
    cache_.reset();
    problem_ = "not a regular file";
  } else if ((!cache_ && problem_.empty()) || stamp != stamp_) {
    cache_.reset();
    problem_.clear();
    try {
      auto file = Glib::KeyFile::create();
      file->load_from_file(path_, Glib::KeyFile::Flags::NONE);
      cache_ = file;
    } catch (const Glib::Error& error) {
      // Unreadable or malformed: every entry reads as not set until the file changes.
      problem_ = PrintableReason(error.what());
    }
    stamp_ = stamp;
  }
}

}  // namespace tarravelle
