#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ports/media_control.h"

namespace tarravelle {

// The four labels the engine writes: the player's state and its three counters.
class PlayerLabels {
 public:
  virtual ~PlayerLabels() = default;
  virtual void SetCaption(const std::string& text) = 0;       // lblcaption
  virtual void SetTotalTime(const std::string& text) = 0;     // lblTime
  virtual void SetTotalFrames(const std::string& text) = 0;   // lblFrame
  virtual void SetCurrentFrame(const std::string& text) = 0;  // lbl
};

// "mm:ss", or "h:mm:ss" from one hour on, of a count of milliseconds rounded to the nearest
// second (an exact half to the even second).
std::string FormatTime(std::int32_t milliseconds);
// The number at the start of a reply, to the nearest whole number (half to even); nothing when
// the reply does not start with one.
std::optional<std::int32_t> LeadingNumber(std::string_view reply);

// The media command engine: one loaded file and a playing flag for the whole program, and the
// procedures that turn the player's buttons into media command strings.
class MediaEngine {
 public:
  explicit MediaEngine(MediaControlDevice& device) : device_(device) {}

  std::string MediaFile;  // the full path between double quotes; empty until a file is chosen
  bool IsPlaying = false;
  // An open has been sent and its answer has not come yet.
  bool Opening = false;
  std::int32_t SkipSeconds = 5;
  std::int32_t TotalFrames = 0;
  std::int32_t TotalMs = 0;

  // Lets the device get ready for a file that is about to be chosen.
  void Prepare() { device_.Prepare(); }
  // Opens MediaFile while the window goes on: `done` gets the device's answer (0, or an error
  // code with its reason in the text) once the file is ready or has failed. It is not called
  // when ReleaseMedia or another open comes first.
  void OpenMedia(std::function<void(const MciReply&)> done);
  void PlayMedia(PlayerLabels& labels);
  void PauseMedia(PlayerLabels& labels);
  void StopMedia(PlayerLabels& labels);
  void CloseMedia(PlayerLabels& labels);
  // Lets go of a file that could not be opened, or of one still opening: the device forgets its
  // name, nothing plays.
  void ReleaseMedia();
  void SkipForward();
  void SkipBack();
  void ReadTimeLength();
  void ReadFrameLength();
  void ShowProgress(PlayerLabels& labels);

 private:
  // Sends a command; the reply is cut to what a buffer of `bufferSize` characters holds.
  std::string Send(const std::string& command, std::size_t bufferSize = 0);
  void Skip(int direction);

  MediaControlDevice& device_;
  // Tells the answer of the latest open from one that was let go of.
  unsigned openTicket_ = 0;
};

}  // namespace tarravelle
