// Random media commands, a line each, on a short MP3 made at start ("@" stands for its quoted
// name): every command is answered without harm, with no GStreamer critical warning.
#include <gst/gst.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/gst_media_device.h"

namespace {

std::string MakeTone() {
  gchar* folder = g_dir_make_tmp("tarravelle-fuzz-XXXXXX", nullptr);
  const std::string path = std::string(folder) + "/tone.mp3";
  g_free(folder);
  gst_init(nullptr, nullptr);
  const std::string description = "audiotestsrc num-buffers=20 ! audioconvert ! lamemp3enc ! "
                                  "filesink location=\"" + path + "\"";
  GstElement* pipeline = gst_parse_launch(description.c_str(), nullptr);
  if (!pipeline) std::abort();
  gst_element_set_state(pipeline, GST_STATE_PLAYING);
  GstBus* bus = gst_element_get_bus(pipeline);
  GstMessage* done = gst_bus_timed_pop_filtered(
      bus, 10 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
  if (done) gst_message_unref(done);
  gst_object_unref(bus);
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(pipeline);
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_setenv("G_DEBUG", "fatal-criticals", TRUE);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string file = "\"" + MakeTone() + "\"";
  tarravelle::GstMediaDevice device({.silent = true, .openTimeoutMs = 2000});
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  for (int lines = 0; start < input.size() && lines < 16; ++lines) {
    const auto end = input.find('\n', start);
    std::string command = input.substr(start, end == std::string::npos ? end : end - start);
    for (auto at = command.find('@'); at != std::string::npos;
         at = command.find('@', at + file.size())) {
      command.replace(at, 1, file);
    }
    device.SendString(command);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return 0;
}
