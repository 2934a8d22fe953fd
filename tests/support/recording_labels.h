#pragma once

#include <string>

#include "player/media_engine.h"

namespace tarravelle::test {

// The player's four labels as plain texts, starting as the window's design has them.
struct RecordingLabels : PlayerLabels {
  void SetCaption(const std::string& text) override { caption = text; }
  void SetTotalTime(const std::string& text) override { time = text; }
  void SetTotalFrames(const std::string& text) override { frames = text; }
  void SetCurrentFrame(const std::string& text) override { current = text; }
  std::string caption = "Sonavelle", time = "Total Time:00:00", frames = "Total Frm: 00",
              current = "Current Frm: 00";
};

// Loads a file the way the player panel does, once the device has answered the open.
inline void LoadMedia(MediaEngine& engine, PlayerLabels& labels, const std::string& mediaFile) {
  engine.MediaFile = mediaFile;
  engine.OpenMedia([&](const MciReply&) {
    engine.PlayMedia(labels);
    engine.ReadTimeLength();
    engine.ReadFrameLength();
  });
}

}  // namespace tarravelle::test
