#pragma once

namespace tarravelle {

// How a GStreamer player plays (see `GstPlayer`).
struct GstPlayerOptions {
  // Plays into fakesinks at the real pace instead of the screen and speakers (for tests).
  bool silent = false;
  // How long an open may wait for the file to be ready to play.
  unsigned openTimeoutMs = 10000;
};

}  // namespace tarravelle
