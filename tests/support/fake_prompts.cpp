#include "support/fake_prompts.h"

namespace tarravelle::test {

void FakePrompts::MsgBox(Gtk::Window*, const std::string& text, const std::string& title,
                         MsgIcon icon, MsgButtons, std::function<void(MsgResult)> answered) {
  asked.push_back({"MsgBox", text, title, icon, {}});
  MsgResult answer = MsgResult::OK;
  if (!msgAnswers.empty()) {
    answer = msgAnswers.front();
    msgAnswers.pop_front();
  }
  if (answered) answered(answer);
}

void FakePrompts::InputBox(Gtk::Window*, const std::string& prompt, const std::string& title,
                           const std::string& initial,
                           std::function<void(std::optional<std::string>)> answered) {
  asked.push_back({"InputBox", prompt, title, MsgIcon::None, initial});
  std::optional<std::string> answer;
  if (!inputAnswers.empty()) {
    answer = inputAnswers.front();
    inputAnswers.pop_front();
  }
  if (answered) answered(answer);
}

void FakePrompts::ChooseOpenFile(Gtk::Window*, const std::string& filterText,
                                 std::function<void(std::optional<std::string>)> answered) {
  asked.push_back({"ChooseOpenFile", filterText, {}, MsgIcon::None, {}});
  std::optional<std::string> answer;
  if (!fileAnswers.empty()) {
    answer = fileAnswers.front();
    fileAnswers.pop_front();
  }
  if (answered) answered(answer);
}

void FakePrompts::ChooseColour(Gtk::Window*,
                               std::function<void(std::optional<RgbColour>)> answered) {
  asked.push_back({"ChooseColour", {}, {}, MsgIcon::None, {}});
  std::optional<RgbColour> answer;
  if (!colourAnswers.empty()) {
    answer = colourAnswers.front();
    colourAnswers.pop_front();
  }
  if (answered) answered(answer);
}

}  // namespace tarravelle::test
