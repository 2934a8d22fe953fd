#pragma once

#include <map>
#include <memory>
#include <string>
#include <thread>

#include "platform/gst_player_options.h"
#include "platform/mci_command.h"
#include "ports/media_control.h"

namespace tarravelle {

class GstPlayer;

// The media control device over GStreamer: the adapter of the command grammar
// (`platform/mci_command.h`) to typed players. Each command string is parsed once and becomes
// calls of the `GstPlayer` of the device it names, every open device being one player named by
// the path it was opened with. Lengths and positions are answered in milliseconds or in frames:
// a video frame at the stream's own frame rate, or 1/25 s for a file without video.
class GstMediaDevice : public MediaControlDevice {
 public:
  using Options = GstPlayerOptions;

  GstMediaDevice();
  explicit GstMediaDevice(Options options);
  ~GstMediaDevice() override;

  MciReply SendString(const std::string& command) override;
  void Prepare() override;
  // An open prerolls while the main loop runs and answers when the file is ready to play, has
  // failed, or has taken longer than the open timeout; every other command answers at once.
  void SendStringNotify(const std::string& command, std::function<void(MciReply)> done) override;

 private:
  enum class TimeFormat { Milliseconds, Frames };
  struct Device {
    std::unique_ptr<GstPlayer> player;
    TimeFormat format = TimeFormat::Milliseconds;
    std::int64_t ToUnits(std::int64_t ns) const;
  };

  // Runs a parsed command; an open with `done` answers through it later, every other command
  // here.
  MciReply Run(const MciCommand& command, std::function<void(MciReply)>* done);
  // Checks an open's words and file and starts loading it; the device when it is under way.
  MciReply StartOpen(const MciCommand& command, Device*& device);
  MciReply Play(Device& device, const std::vector<std::string>& words);
  MciReply Set(Device& device, const std::vector<std::string>& words);
  MciReply Status(Device& device, const std::vector<std::string>& words);

  // Makes GStreamer ready for the first command, once.
  void Start();

  Options options_;
  bool started_ = false;
  std::thread starting_;
  std::map<std::string, Device> devices_;
};

}  // namespace tarravelle
