#pragma once

#include <giomm/file.h>

#include "ports/prompts.h"

namespace tarravelle {

// The local path of a file a chooser handed back, through the address it stands for when it has
// no path of its own (a chooser's Recent place); nothing for a file not on this computer.
std::optional<std::string> LocalPathOf(const Glib::RefPtr<Gio::File>& file);

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
