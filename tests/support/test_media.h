#pragma once

#include <string>

namespace tarravelle::test {

// Short media files made with GStreamer at test time. Each returns false when the pipeline
// cannot run (a plugin missing).
// A sine tone; with `lengthHeader`, a Xing header states its length as encoders usually write.
bool MakeMp3Tone(const std::string& path, int tenthsOfASecond, bool lengthHeader = true);
// MPEG-1 video at 25 frames a second in an MPEG program stream (.mpg).
bool MakeMpegVideo(const std::string& path, int frames);

}  // namespace tarravelle::test
