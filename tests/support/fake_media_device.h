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

  // With `holdAnswers`, a command sent with notify waits in `pending` for the test to answer it.
  void SendStringNotify(const std::string& command, std::function<void(MciReply)> done) override {
    if (!holdAnswers) return MediaControlDevice::SendStringNotify(command, std::move(done));
    sent.push_back(command);
    pending = std::move(done);
  }

  std::vector<std::string> sent;
  std::deque<MciReply> answers;
  bool holdAnswers = false;
  std::function<void(MciReply)> pending;
};

}  // namespace tarravelle::test
