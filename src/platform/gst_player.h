#pragma once

#include <gst/gst.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/gst_player_options.h"
#include "ports/gobject_ptr.h"

namespace tarravelle {

// One media file played by a GStreamer playbin, driven by typed calls; times in nanoseconds.
// A video gets a window of its own from the display's plain video sinks. GStreamer must have
// been started.
class GstPlayer {
 public:
  using Options = GstPlayerOptions;
  // Why a file could not be opened: GStreamer could not make a player at all (`internal`), or
  // the file is not media that can be played, with GStreamer's reason.
  struct Failure {
    bool internal = false;
    std::string why;
  };

  explicit GstPlayer(Options options) : options_(options) {}
  ~GstPlayer();
  GstPlayer(const GstPlayer&) = delete;
  GstPlayer& operator=(const GstPlayer&) = delete;

  // Starts loading a regular file; it is ready to play once it has prerolled.
  std::optional<Failure> Load(const std::string& path);
  // Waits until the loaded file is ready, has failed, or the open timeout has passed.
  std::optional<Failure> WaitReady();
  // Answers from the main loop once the file is ready, has failed, or the open timeout has
  // passed: exactly once, unless the player goes first. The answer may delete the player.
  void NotifyReady(std::function<void(std::optional<Failure>)> ready);

  // Plays from `at`, or from where it is (from the start once it has played to the end).
  bool Play(std::optional<std::int64_t> at = std::nullopt);
  // Halts where it is.
  void Pause();
  std::int64_t Position();
  // The length, or an estimate from size and bit rate while GStreamer knows none; -1 unknown.
  std::int64_t Length();
  // Frames a second of the video, or 25 without video.
  double FramesPerSecond() const { return framesPerSecond_; }

 private:
  template <typename T>
  using GstObjectPtr = CHandle<T, gst_object_unref>;

  void EstimateLength();
  void ReadFrameRate();
  void StartReadyTimer(unsigned milliseconds);
  void Answer(std::optional<Failure> failure);
  static gboolean OnReadyTimer(gpointer data);
  static gboolean OnBusMessage(GstBus*, GstMessage* message, gpointer data);

  Options options_;
  GstObjectPtr<GstElement> playbin_;
  guint busWatch_ = 0;
  // While an open that answers later is under way: its answer, and a timer for giving up.
  std::function<void(std::optional<Failure>)> ready_;
  guint readyTimer_ = 0;
  bool prerolled_ = false;
  bool ended_ = false;
  double framesPerSecond_ = 25.0;
  gint64 length_ = -1;
  gint64 estimatedLength_ = -1;
};

}  // namespace tarravelle
