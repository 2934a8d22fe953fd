#include "support/test_media.h"

#include <gst/gst.h>

namespace tarravelle::test {
namespace {

bool RunToEnd(const std::string& description) {
  if (!gst_is_initialized()) gst_init(nullptr, nullptr);
  GError* error = nullptr;
  GstElement* pipeline = gst_parse_launch(description.c_str(), &error);
  if (!pipeline) {
    g_clear_error(&error);
    return false;
  }
  gst_element_set_state(pipeline, GST_STATE_PLAYING);
  GstBus* bus = gst_element_get_bus(pipeline);
  GstMessage* message = gst_bus_timed_pop_filtered(
      bus, 30 * GST_SECOND, static_cast<GstMessageType>(GST_MESSAGE_EOS | GST_MESSAGE_ERROR));
  const bool ok = message && GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS;
  if (message) gst_message_unref(message);
  gst_object_unref(bus);
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(pipeline);
  return ok;
}

}  // namespace

bool MakeMp3Tone(const std::string& path, int tenthsOfASecond, bool lengthHeader) {
  return RunToEnd("audiotestsrc num-buffers=" + std::to_string(tenthsOfASecond) +
                  " samplesperbuffer=4410 ! audio/x-raw,rate=44100,channels=1 ! audioconvert"
                  " ! lamemp3enc target=bitrate cbr=true bitrate=64" +
                  (lengthHeader ? " ! xingmux" : "") + " ! filesink location=\"" + path + "\"");
}

bool MakeMpegVideo(const std::string& path, int frames) {
  return RunToEnd("videotestsrc num-buffers=" + std::to_string(frames) +
                  " ! video/x-raw,format=I420,width=352,height=288,framerate=25/1"
                  " ! mpeg2enc format=0 ! mpegpsmux ! filesink location=\"" +
                  path + "\"");
}

}  // namespace tarravelle::test
