#pragma once

#include <string>

namespace tarravelle {

// Where a main window's home page is kept: the entry of this section and key, under the
// application named after the program's folder.
inline constexpr const char* kHomePageSection = "HP";
inline constexpr const char* kHomePageKey = "HP";

// The per-user settings store. An entry is addressed by application name, section and key.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The stored text, or empty text when the entry is missing or cannot be read.
  virtual std::string GetSetting(const std::string& application, const std::string& section,
                                 const std::string& key) const = 0;
  // Why the settings could not be read ("not a regular file", a parse error); empty when they
  // were read, or when there are none.
  virtual std::string Problem() const { return {}; }
};

}  // namespace tarravelle
