// Any text as a media command string: parsed without harm, and a parsed command is whole.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "platform/mci_command.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parsed = tarravelle::ParseMciCommand(text);
  if (const auto* command = std::get_if<tarravelle::MciCommand>(&parsed)) {
    if (command->verb.empty() || command->device.empty()) std::abort();
    for (const auto& word : command->words) {
      if (word.empty()) std::abort();
    }
  }
  long long value = 0;
  tarravelle::ParseMciInteger(text, value);
  return 0;
}
