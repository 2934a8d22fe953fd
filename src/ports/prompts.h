#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace Gtk {
class Window;
}

namespace tarravelle {

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { OK, OKCancel, YesNo };
enum class MsgResult { OK, Cancel, Yes, No };

// A colour as 0xRRGGBB.
using RgbColour = std::uint32_t;

// Message boxes and input prompts. GTK 4 has no blocking dialog run, so each call returns at once
// and runs its continuation when the person answers. `parent` may be null.
class Prompts {
 public:
  virtual ~Prompts() = default;

  virtual void MsgBox(Gtk::Window* parent, const std::string& text, const std::string& title,
                      MsgIcon icon, MsgButtons buttons,
                      std::function<void(MsgResult)> answered = {}) = 0;

  // The open-file chooser with the filters of a "description|pattern|..." text, the first one
  // chosen. `answered` gets the full path, or nothing when the person cancels.
  virtual void ChooseOpenFile(Gtk::Window* parent, const std::string& filterText,
                              std::function<void(std::optional<std::string>)> answered) = 0;

  // The colour chooser, modal to `parent`, starting from no particular colour. `answered` gets
  // the colour confirmed, or nothing when the person cancels.
  virtual void ChooseColour(Gtk::Window* parent,
                            std::function<void(std::optional<RgbColour>)> answered) = 0;

  // `answered` gets the text, or nothing when the person cancels.
  virtual void InputBox(Gtk::Window* parent, const std::string& prompt, const std::string& title,
                        const std::string& initial,
                        std::function<void(std::optional<std::string>)> answered) = 0;
};

}  // namespace tarravelle
