#pragma once

#include <functional>
#include <string>

namespace tarravelle {

// The answer of the media control device: 0 or an error code, and a reply text.
struct MciReply {
  int code = 0;
  std::string text;
};

// Error codes of the media control device, with the meanings of the old command-string
// interface.
namespace mci {
inline constexpr int kUnrecognizedKeyword = 259;
inline constexpr int kUnrecognizedCommand = 261;
inline constexpr int kInvalidDeviceName = 263;  // no device of that name is open
inline constexpr int kDeviceOpen = 265;         // a device of that name is open already
inline constexpr int kCannotLoadDriver = 266;   // a device type other than MPEGVideo
inline constexpr int kBadInteger = 270;
inline constexpr int kMissingParameter = 273;
inline constexpr int kFileNotFound = 275;
inline constexpr int kInternal = 277;
inline constexpr int kOutOfRange = 282;
inline constexpr int kMissingDeviceName = 292;
inline constexpr int kBadTimeFormat = 293;
inline constexpr int kNoClosingQuote = 294;
inline constexpr int kInvalidFile = 296;  // the file is not media that can be played
}  // namespace mci

// One call: send a command string ("verb device tail"), get a result code and a reply.
class MediaControlDevice {
 public:
  virtual ~MediaControlDevice() = default;
  virtual MciReply SendString(const std::string& command) = 0;
  // Gets ready for commands ahead of time without waiting, for instance while the person
  // chooses a file.
  virtual void Prepare() {}

  // The same, for a command that may take a while (an open prerolls the file): the answer goes
  // to `done` exactly once, either before this returns or later from the main loop, and never
  // after the device of that name has been closed or this object has gone. A device that answers
  // everything at once keeps this default.
  virtual void SendStringNotify(const std::string& command, std::function<void(MciReply)> done) {
    done(SendString(command));
  }
};

}  // namespace tarravelle
