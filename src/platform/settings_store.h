#pragma once

#include <string>

namespace tarravelle {

// The per-user settings store: a GLib key file. An entry is addressed by application name,
// section and key; it lives under the key in the group "<application>\<section>".
class SettingsStore {
 public:
  explicit SettingsStore(std::string path);

  // $XDG_CONFIG_HOME/tarravelle/settings.ini (~/.config/... when unset).
  static std::string DefaultPath();

  // The stored text, or empty text when the file, group or key is missing or the file cannot
  // be read or parsed. Reads the file afresh on every call, so outside edits take effect.
  std::string GetSetting(const std::string& application, const std::string& section,
                         const std::string& key) const;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace tarravelle
