#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarravelle {

// A media command string taken apart: the verb and the words after the device in lower case,
// the device name as written (without its quotes).
struct MciCommand {
  std::string verb;
  std::string device;
  std::vector<std::string> words;
};

// The command, or the error code for a command string that cannot be taken apart: an unknown
// verb, a missing device name, a quote that is never closed.
std::variant<MciCommand, int> ParseMciCommand(std::string_view text);

// A whole decimal number with an optional minus sign, and nothing else.
bool ParseMciInteger(std::string_view text, long long& value);

}  // namespace tarravelle
