#include "support/fake_engine.h"

namespace tarravelle::test {

bool FakeEngine::Record(std::string call) {
  calls.push_back(std::move(call));
  return accept;
}

bool FakeEngine::Navigate(const std::string& address) {
  return Record("Navigate(" + address + ")");
}

bool FakeEngine::Navigate2(const std::vector<std::uint8_t>& itemIdList) {
  return Record("Navigate2(" + std::to_string(itemIdList.size()) + " bytes)");
}

bool FakeEngine::ExecWB(EngineCommand command, EngineCommandOption option,
                        std::optional<int> input) {
  std::string call = "ExecWB(" + std::to_string(static_cast<int>(command)) + "," +
                     std::to_string(static_cast<int>(option));
  if (input) call += "," + std::to_string(*input);
  return Record(call + ")");
}

bool FakeEngine::SetDocumentDesignMode(const std::string& mode) {
  return Record("designMode=" + mode);
}

bool FakeEngine::Focus() {
  focused = accept;
  // Takes the window's keyboard focus as the real page view does.
  if (accept) {
    widget_.set_focusable(true);
    widget_.grab_focus();
  }
  return Record("Focus");
}

}  // namespace tarravelle::test
