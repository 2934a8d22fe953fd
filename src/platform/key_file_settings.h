#pragma once

#include <glibmm/keyfile.h>

#include <cstdint>
#include <optional>
#include <string>

#include "ports/settings_store.h"

namespace tarravelle {

// The settings store as a GLib key file: the entry of application A, section S, key K is key K
// of the group "A\S".
class KeyFileSettings : public SettingsStore {
 public:
  explicit KeyFileSettings(std::string path);

  // $XDG_CONFIG_HOME/tarravelle/settings.ini (~/.config/... when unset).
  static std::string DefaultPath();

  // Outside edits take effect at the next look-up: the file is parsed again whenever it has
  // changed. A missing, unreadable or malformed file reads as empty text.
  std::string GetSetting(const std::string& application, const std::string& section,
                         const std::string& key) const override;
  std::string Problem() const override;

  const std::string& Path() const { return path_; }

 private:
  struct Stamp {
    std::int64_t inode = 0, size = 0, seconds = 0, nanoseconds = 0;
    bool operator==(const Stamp&) const = default;
  };

  std::string path_;
  // Reads the file again when it has changed.
  void Refresh() const;

  mutable Stamp stamp_;
  mutable std::string problem_;
  mutable std::optional<Glib::RefPtr<Glib::KeyFile>> cache_;
};

}  // namespace tarravelle
