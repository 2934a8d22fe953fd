#pragma once

#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "ports/media_control.h"

namespace tarravelle {

// The media control device over GStreamer: every open device is a playbin named by the path it
// was opened with. Lengths and positions are answered in milliseconds or in frames: a video
// frame at the stream's own frame rate, or 1/25 s for a file without video.
class GstMediaDevice : public MediaControlDevice {
 public:
  struct Options {
    // Plays into fakesinks at the real pace instead of the screen and speakers (for tests).
    bool silent = false;
    // How long an open may wait for the file to be ready to play.
    unsigned openTimeoutMs = 10000;
  };

  GstMediaDevice();
  explicit GstMediaDevice(Options options);
  ~GstMediaDevice() override;

  MciReply SendString(const std::string& command) override;
  void Prepare() override;
  // An open prerolls while the main loop runs and answers when the file is ready to play, has
  // failed, or has taken longer than the open timeout; every other command answers at once.
  void SendStringNotify(const std::string& command, std::function<void(MciReply)> done) override;

  struct Device;

 private:
  MciReply Open(const std::string& name, const std::vector<std::string>& words);
  // Makes the device and starts its preroll; an error when the open cannot even start.
  MciReply StartOpen(const std::string& name, const std::vector<std::string>& words);
  // Called by an opening device when its open has an answer: a failed one is forgotten.
  void FinishOpen(const std::string& name, MciReply reply);
  MciReply Play(Device& device, const std::vector<std::string>& words);
  MciReply Set(Device& device, const std::vector<std::string>& words);
  MciReply Status(Device& device, const std::vector<std::string>& words);

  // Makes GStreamer ready for the first command, once.
  void Start();

  Options options_;
  bool started_ = false;
  std::thread starting_;
  std::map<std::string, std::unique_ptr<Device>> devices_;
};

}  // namespace tarravelle
