#pragma once

#include <string>

namespace tarravelle {

// The per-user settings store. An entry is addressed by application name, section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or empty text when the entry is missing or cannot be read.
  virtual std::string GetSetting(const std::string& application, const std::string& section,
                                 const std::string& key) const = 0;
};

}  // namespace tarravelle
