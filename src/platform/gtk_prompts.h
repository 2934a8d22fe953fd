#pragma once

#include "ports/prompts.h"

namespace tarravelle {

// Modal GTK dialogs over the parent window.
class GtkPrompts : public Prompts {
 public:
  void MsgBox(Gtk::Window* parent, const std::string& text, const std::string& title, MsgIcon icon,
              MsgButtons buttons, std::function<void(MsgResult)> answered) override;
  void ChooseOpenFile(Gtk::Window* parent, const std::string& filterText,
                      std::function<void(std::optional<std::string>)> answered) override;
  void ChooseColour(Gtk::Window* parent,
                    std::function<void(std::optional<RgbColour>)> answered) override;
  void InputBox(Gtk::Window* parent, const std::string& prompt, const std::string& title,
                const std::string& initial,
                std::function<void(std::optional<std::string>)> answered) override;
};

}  // namespace tarravelle
