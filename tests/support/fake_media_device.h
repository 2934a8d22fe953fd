#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ports/media_control.h"

namespace tarravelle::test {

// A media device that records every command and answers from a script (OK, no text, when the
// script has run out).
class FakeMediaDevice : public MediaControlDevice {
 public:
  MciReply SendString(const std::string& command) override {
    sent.push_back(command);
    if (answers.empty()) return {};
    MciReply reply = answers.front();
    answers.pop_front();
    return reply;
  }

  std::vector<std::string> sent;
  std::deque<MciReply> answers;
};

}  // namespace tarravelle::test
