#pragma once

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

  // Reads the file afresh on every call, so outside edits take effect. A missing, unreadable or
  // malformed file reads as empty text.
  std::string GetSetting(const std::string& application, const std::string& section,
                         const std::string& key) const override;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace tarravelle
