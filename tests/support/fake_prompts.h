#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ports/prompts.h"

namespace tarravelle::test {

// Prompts that answer at once from a script and record what was asked.
class FakePrompts : public Prompts {
 public:
  struct Asked {
    std::string kind;  // "MsgBox", "InputBox", "ChooseOpenFile" or "ChooseColour"
    std::string text;
    std::string title;
    MsgIcon icon = MsgIcon::None;
    std::string initial;
  };

  void MsgBox(Gtk::Window* parent, const std::string& text, const std::string& title, MsgIcon icon,
              MsgButtons buttons, std::function<void(MsgResult)> answered) override;
  void ChooseOpenFile(Gtk::Window* parent, const std::string& filterText,
                      std::function<void(std::optional<std::string>)> answered) override;
  void ChooseColour(Gtk::Window* parent,
                    std::function<void(std::optional<RgbColour>)> answered) override;
  void InputBox(Gtk::Window* parent, const std::string& prompt, const std::string& title,
                const std::string& initial,
                std::function<void(std::optional<std::string>)> answered) override;

  std::vector<Asked> asked;
  // Answers for the next message boxes; OK when empty.
  std::deque<MsgResult> msgAnswers;
  // Answers for the next input prompts (nothing: cancelled); cancelled when empty.
  std::deque<std::optional<std::string>> inputAnswers;
  // Answers for the next file choosers (nothing: cancelled); cancelled when empty.
  std::deque<std::optional<std::string>> fileAnswers;
  // Answers for the next colour choosers (nothing: cancelled); cancelled when empty.
  std::deque<std::optional<RgbColour>> colourAnswers;
};

}  // namespace tarravelle::test
