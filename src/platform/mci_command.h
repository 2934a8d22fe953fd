#pragma once

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "ports/media_control.h"

namespace tarravelle {

// The grammar of the media command strings that cross the media control seam: "verb device
// words", the device name quoted when it holds blanks, keywords in any case.

// A media command string taken apart: the verb and the words after the device in lower case,
// the device name as written (without its quotes).
struct MciCommand {
  std::string verb;
  std::string device;
  std::vector<std::string> words;
};

namespace mci_detail {

inline constexpr std::array<std::string_view, 7> kVerbs{"open",  "play", "pause", "stop",
                                                        "close", "set",  "status"};

inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

inline std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

// The next blank-separated word from `pos`, or empty at the end.
inline std::string_view NextWord(std::string_view text, size_t& pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  const size_t start = pos;
  while (pos < text.size() && !IsBlank(text[pos])) ++pos;
  return text.substr(start, pos - start);
}

}  // namespace mci_detail

// The command, or the error code for a command string that cannot be taken apart: an unknown
// verb, a missing device name, a quote that is never closed.
inline std::variant<MciCommand, int> ParseMciCommand(std::string_view text) {
  using namespace mci_detail;
  size_t pos = 0;
  MciCommand command;
  command.verb = Lower(NextWord(text, pos));
  if (std::find(kVerbs.begin(), kVerbs.end(), command.verb) == kVerbs.end()) {
    return mci::kUnrecognizedCommand;
  }
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (pos < text.size() && text[pos] == '"') {
    const size_t close = text.find('"', pos + 1);
    if (close == std::string_view::npos) return mci::kNoClosingQuote;
    command.device = std::string(text.substr(pos + 1, close - pos - 1));
    pos = close + 1;
    if (pos < text.size() && !IsBlank(text[pos])) return mci::kUnrecognizedKeyword;
  } else {
    command.device = std::string(NextWord(text, pos));
  }
  if (command.device.empty()) return mci::kMissingDeviceName;
  for (auto word = NextWord(text, pos); !word.empty(); word = NextWord(text, pos)) {
    command.words.push_back(Lower(word));
  }
  return command;
}

// A whole decimal number with an optional minus sign, and nothing else.
inline bool ParseMciInteger(std::string_view text, long long& value) {
  if (text.empty() || text.front() == '+') return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace tarravelle
