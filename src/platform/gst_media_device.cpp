#include "platform/gst_media_device.h"

#include <gst/gst.h>

#include <cmath>
#include <utility>

#include "platform/mci_command.h"
#include "ports/gobject_ptr.h"

namespace tarravelle {
namespace {

constexpr double kFramesPerSecondWithoutVideo = 25.0;
// How long a prerolled open waits for the tags that give a stream without a length one.
constexpr unsigned kTagWaitMs = 500;

enum class TimeFormat { Milliseconds, Frames };

MciReply Error(int code) { return {code, {}}; }
MciReply Done(std::string text = {}) { return {0, std::move(text)}; }

template <typename T>
using GstObjectPtr = CHandle<T, gst_object_unref>;
using GstTagListPtr = CHandle<GstTagList, gst_tag_list_unref>;
using GstCapsPtr = CHandle<GstCaps, gst_caps_unref>;
using GstMessagePtr = CHandle<GstMessage, gst_message_unref>;

// GStreamer's own words for why an error message was posted, for the person.
std::string ErrorText(GstMessage* message) {
  GError* failure = nullptr;
  if (message) gst_message_parse_error(message, &failure, nullptr);
  const GErrorPtr error(failure);
  return error ? error->message : "it is not media that can be played";
}

}  // namespace

struct GstMediaDevice::Device {
  ~Device() {
    if (openTimer) g_source_remove(openTimer);
    if (busWatch) g_source_remove(busWatch);
    if (playbin) gst_element_set_state(playbin.get(), GST_STATE_NULL);
  }

  std::int64_t ToUnits(gint64 ns) const {
    if (ns < 0) return 0;
    if (format == TimeFormat::Milliseconds) return ns / GST_MSECOND;
    return static_cast<std::int64_t>(
        std::floor(static_cast<double>(ns) * framesPerSecond / GST_SECOND));
  }

  gint64 FromUnits(long long units) const {
    if (format == TimeFormat::Milliseconds) return units * GST_MSECOND;
    return static_cast<gint64>(
        std::llround(static_cast<double>(units) * GST_SECOND / framesPerSecond));
  }

  gint64 Duration() {
    // Some parsers answer 0 while they do not know yet.
    if (duration <= 0 && !gst_element_query_duration(playbin.get(), GST_FORMAT_TIME, &duration)) {
      duration = -1;
    }
    if (duration <= 0 && estimatedDuration < 0) EstimateDuration();
    return duration > 0 ? duration : estimatedDuration;
  }

  // A stream without a length in its headers (an MP3 without a Xing or Info header) has none
  // until it has been played a while; until then the file size and bit rate give one. A
  // constant bit rate shows as equal least and greatest rates.
  void EstimateDuration() {
    gint64 bytes = 0;
    GstTagList* found = nullptr;
    g_signal_emit_by_name(playbin.get(), "get-audio-tags", 0, &found);
    const GstTagListPtr tags(found);
    if (!tags || !gst_element_query_duration(playbin.get(), GST_FORMAT_BYTES, &bytes) ||
        bytes <= 0) {
      return;
    }
    guint least = 0, greatest = 0, average = 0;
    gst_tag_list_get_uint(tags.get(), GST_TAG_MINIMUM_BITRATE, &least);
    gst_tag_list_get_uint(tags.get(), GST_TAG_MAXIMUM_BITRATE, &greatest);
    gst_tag_list_get_uint(tags.get(), GST_TAG_BITRATE, &average);
    const guint rate = least > 0 && least == greatest ? least : average;
    if (rate > 0)
      estimatedDuration = gst_util_uint64_scale(static_cast<guint64>(bytes), 8 * GST_SECOND, rate);
  }

  // The stream's frame rate once it has prerolled, when it has video.
  void ReadFrameRate() {
    gint videos = 0;
    g_object_get(playbin.get(), "n-video", &videos, nullptr);
    if (videos <= 0) return;
    GstPad* found = nullptr;
    g_signal_emit_by_name(playbin.get(), "get-video-pad", 0, &found);
    const GstObjectPtr<GstPad> pad(found);
    const GstCapsPtr caps(pad ? gst_pad_get_current_caps(pad.get()) : nullptr);
    gint numerator = 0, denominator = 1;
    if (caps &&
        gst_structure_get_fraction(gst_caps_get_structure(caps.get(), 0), "framerate", &numerator,
                                   &denominator) &&
        numerator > 0 && denominator > 0) {
      framesPerSecond = static_cast<double>(numerator) / denominator;
    }
  }

  void StartOpenTimer(unsigned milliseconds) {
    if (openTimer) g_source_remove(openTimer);
    openTimer = g_timeout_add(milliseconds, &Device::OnOpenTimer, this);
  }

  // Hands the open's answer to the owner, which may destroy this device: the last thing a
  // caller does.
  void AnswerOpen(MciReply reply) { owner->FinishOpen(name, std::move(reply)); }

  static gboolean OnOpenTimer(gpointer data) {
    auto* device = static_cast<Device*>(data);
    device->openTimer = 0;
    if (device->prerolled) {
      // Ready to play; the length may still come with the stream's tags later.
      device->AnswerOpen(Done());
    } else {
      device->AnswerOpen({mci::kInvalidFile, "it was still not ready to play after " +
                                                 std::to_string(device->openTimeoutMs / 1000) +
                                                 " seconds"});
    }
    return G_SOURCE_REMOVE;
  }

  static gboolean OnBusMessage(GstBus*, GstMessage* message, gpointer data) {
    auto* device = static_cast<Device*>(data);
    switch (GST_MESSAGE_TYPE(message)) {
      case GST_MESSAGE_EOS: device->ended = true; break;
      case GST_MESSAGE_ERROR: {
        std::string why = ErrorText(message);
        device->ended = true;
        if (device->opening) {
          device->AnswerOpen({mci::kInvalidFile, std::move(why)});
          return G_SOURCE_CONTINUE;
        }
        g_warning("media playback: %s", why.c_str());
        break;
      }
      case GST_MESSAGE_DURATION_CHANGED: device->duration = -1; break;
      case GST_MESSAGE_ASYNC_DONE:
        if (device->opening && !device->prerolled &&
            GST_MESSAGE_SRC(message) == GST_OBJECT(device->playbin.get())) {
          device->prerolled = true;
          device->ReadFrameRate();
          if (device->Duration() > 0) {
            device->AnswerOpen(Done());
            return G_SOURCE_CONTINUE;
          }
          // The bit rate for an estimated length comes with the stream's tags, which may
          // still be on their way: wait for them a little.
          device->StartOpenTimer(kTagWaitMs);
        }
        break;
      case GST_MESSAGE_TAG:
        if (device->opening && device->prerolled && device->Duration() <= 0) {
          device->EstimateDuration();
          if (device->Duration() > 0) {
            device->AnswerOpen(Done());
            return G_SOURCE_CONTINUE;
          }
        }
        break;
      default: break;
    }
    return G_SOURCE_CONTINUE;
  }

  GstMediaDevice* owner = nullptr;
  std::string name;
  unsigned openTimeoutMs = 0;
  // While an open that answers later is under way: its answer, and a timer for giving up.
  bool opening = false;
  bool prerolled = false;
  std::function<void(MciReply)> notify;
  guint openTimer = 0;

  GstObjectPtr<GstElement> playbin;
  guint busWatch = 0;
  TimeFormat format = TimeFormat::Milliseconds;
  double framesPerSecond = kFramesPerSecondWithoutVideo;
  gint64 duration = -1;
  gint64 estimatedDuration = -1;
  bool ended = false;
};

GstMediaDevice::GstMediaDevice() : GstMediaDevice(Options{}) {}

GstMediaDevice::GstMediaDevice(Options options) : options_(options) {}

void GstMediaDevice::Prepare() {
  // GStreamer starts only when the player is about to be used, and then beside the window: its
  // first start in a new home scans every plugin, which takes seconds.
  if (started_ || starting_.joinable()) return;
  starting_ = std::thread([] {
    if (!gst_is_initialized()) gst_init(nullptr, nullptr);
  });
}

void GstMediaDevice::Start() {
  if (started_) return;
  started_ = true;
  // A command that comes before GStreamer is ready waits for it.
  if (starting_.joinable()) starting_.join();
  if (!gst_is_initialized()) gst_init(nullptr, nullptr);
  // Video sinks that must never be loaded into this program: DirectFB's starts threads that
  // crash it on an X display, and the GTK 3 ones would bring a second GTK into a GTK 4 program.
  GstRegistry* registry = gst_registry_get();
  for (const char* name : {"directfb", "gtkwayland", "gtk"}) {
    if (const GstObjectPtr<GstPlugin> plugin{gst_registry_find_plugin(registry, name)}) {
      gst_registry_remove_plugin(registry, plugin.get());
    }
  }
}

namespace {

// A video gets a window of its own from the display's plain video sinks, which draw from their
// own threads and never need this program's main loop.
GstElement* MakeVideoSink() {
  for (const char* name : {"xvimagesink", "ximagesink", "waylandsink", "glimagesink"}) {
    GstElement* sink = gst_element_factory_make(name, nullptr);
    if (!sink) continue;
    const bool works = gst_element_set_state(sink, GST_STATE_READY) == GST_STATE_CHANGE_SUCCESS;
    gst_element_set_state(sink, GST_STATE_NULL);
    // Handed over still floating, for the playbin to take.
    if (works) return sink;
    const GstObjectPtr<GstElement> unusable(static_cast<GstElement*>(gst_object_ref_sink(sink)));
  }
  // No display to show it on: the video still keeps its pace.
  GstElement* sink = gst_element_factory_make("fakesink", nullptr);
  g_object_set(sink, "sync", TRUE, nullptr);
  return sink;
}

}  // namespace

GstMediaDevice::~GstMediaDevice() {
  if (starting_.joinable()) starting_.join();
}

MciReply GstMediaDevice::SendString(const std::string& text) {
  Start();
  const auto parsed = ParseMciCommand(text);
  if (const int* code = std::get_if<int>(&parsed)) return Error(*code);
  const auto& command = std::get<MciCommand>(parsed);
  if (command.verb == "open") return Open(command.device, command.words);

  auto found = devices_.find(command.device);
  if (found == devices_.end()) return Error(mci::kInvalidDeviceName);
  Device& device = *found->second;
  const auto& words = command.words;
  if (command.verb == "play") return Play(device, words);
  if (command.verb == "set") return Set(device, words);
  if (command.verb == "status") return Status(device, words);
  if (!words.empty()) return Error(mci::kUnrecognizedKeyword);
  if (command.verb == "pause" || command.verb == "stop") {
    // Both halt where play is and keep the device open.
    gst_element_set_state(device.playbin.get(), GST_STATE_PAUSED);
    return Done();
  }
  // close
  devices_.erase(found);
  return Done();
}

MciReply GstMediaDevice::StartOpen(const std::string& name, const std::vector<std::string>& words) {
  if (!words.empty() && (words.size() != 2 || words[0] != "type")) {
    return Error(mci::kUnrecognizedKeyword);
  }
  if (words.size() == 2 && words[1] != "mpegvideo") return Error(mci::kCannotLoadDriver);
  if (devices_.contains(name)) return Error(mci::kDeviceOpen);
  if (!g_file_test(name.c_str(), G_FILE_TEST_IS_REGULAR)) return Error(mci::kFileNotFound);

  const GCharPtr uri(g_filename_to_uri(name.c_str(), nullptr, nullptr));
  if (!uri) return Error(mci::kFileNotFound);
  auto device = std::make_unique<Device>();
  device->owner = this;
  device->name = name;
  device->openTimeoutMs = options_.openTimeoutMs;
  GstElement* made = gst_element_factory_make("playbin", nullptr);
  if (!made) return Error(mci::kInternal);
  device->playbin.reset(static_cast<GstElement*>(gst_object_ref_sink(made)));
  GstElement* playbin = device->playbin.get();
  g_object_set(playbin, "uri", uri.get(), nullptr);
  if (options_.silent) {
    GstElement* audio = gst_element_factory_make("fakesink", nullptr);
    GstElement* video = gst_element_factory_make("fakesink", nullptr);
    g_object_set(audio, "sync", TRUE, nullptr);
    g_object_set(video, "sync", TRUE, nullptr);
    g_object_set(playbin, "audio-sink", audio, "video-sink", video, nullptr);
  } else {
    g_object_set(playbin, "video-sink", MakeVideoSink(), nullptr);
  }
  const GstObjectPtr<GstBus> bus(gst_element_get_bus(playbin));
  device->busWatch = gst_bus_add_watch(bus.get(), &Device::OnBusMessage, device.get());

  // The file is ready when it has prerolled: its length and frame rate are known from then on.
  if (gst_element_set_state(playbin, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE) {
    return {mci::kInvalidFile, "it is not media that can be played"};
  }
  devices_.emplace(name, std::move(device));
  return Done();
}

MciReply GstMediaDevice::Open(const std::string& name, const std::vector<std::string>& words) {
  if (MciReply started = StartOpen(name, words); started.code != 0) return started;
  Device& device = *devices_.at(name);
  GstElement* playbin = device.playbin.get();
  const GstObjectPtr<GstBus> bus(gst_element_get_bus(playbin));
  GstState state = GST_STATE_NULL;
  const GstStateChangeReturn ready = gst_element_get_state(
      playbin, &state, nullptr, static_cast<GstClockTime>(options_.openTimeoutMs) * GST_MSECOND);
  if (ready != GST_STATE_CHANGE_SUCCESS && ready != GST_STATE_CHANGE_NO_PREROLL) {
    const GstMessagePtr failed{gst_bus_pop_filtered(bus.get(), GST_MESSAGE_ERROR)};
    std::string why = ErrorText(failed.get());
    devices_.erase(name);
    return {mci::kInvalidFile, why};
  }
  device.ReadFrameRate();
  // The bit rate comes with the stream's tags, which may still be on their way.
  for (int tries = 0; tries < 10 && device.Duration() <= 0; ++tries) {
    device.EstimateDuration();
    if (device.Duration() > 0) break;
    const GstMessagePtr tag(
        gst_bus_timed_pop_filtered(bus.get(), kTagWaitMs / 10 * GST_MSECOND, GST_MESSAGE_TAG));
  }
  return Done();
}

void GstMediaDevice::SendStringNotify(const std::string& text, std::function<void(MciReply)> done) {
  const auto parsed = ParseMciCommand(text);
  const auto* command = std::get_if<MciCommand>(&parsed);
  if (!command || command->verb != "open") {
    done(SendString(text));
    return;
  }
  if (MciReply started = StartOpen(command->device, command->words); started.code != 0) {
    done(std::move(started));
    return;
  }
  Device& device = *devices_.at(command->device);
  device.opening = true;
  device.notify = std::move(done);
  device.StartOpenTimer(options_.openTimeoutMs);
}

void GstMediaDevice::FinishOpen(const std::string& name, MciReply reply) {
  const auto found = devices_.find(name);
  if (found == devices_.end() || !found->second->opening) return;
  Device& device = *found->second;
  device.opening = false;
  if (device.openTimer) g_source_remove(std::exchange(device.openTimer, 0));
  auto done = std::move(device.notify);
  if (reply.code != 0) devices_.erase(found);
  done(std::move(reply));
}

MciReply GstMediaDevice::Play(Device& device, const std::vector<std::string>& words) {
  if (!words.empty()) {
    if (words[0] != "from") return Error(mci::kUnrecognizedKeyword);
    if (words.size() < 2) return Error(mci::kMissingParameter);
    if (words.size() > 2) return Error(mci::kUnrecognizedKeyword);
    long long from = 0;
    if (!ParseMciInteger(words[1], from)) return Error(mci::kBadInteger);
    // Compared in the caller's units, before any conversion: a huge number would overflow
    // nanoseconds and seek somewhere else entirely.
    const gint64 duration = device.Duration();
    const double nanoseconds =
        device.format == TimeFormat::Milliseconds
            ? static_cast<double>(from) * GST_MSECOND
            : static_cast<double>(from) * GST_SECOND / device.framesPerSecond;
    if (from < 0 || nanoseconds >= static_cast<double>(G_MAXINT64) ||
        (duration >= 0 && from > device.ToUnits(duration))) {
      return Error(mci::kOutOfRange);
    }
    if (!gst_element_seek_simple(
            device.playbin.get(), GST_FORMAT_TIME,
            static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
            device.FromUnits(from))) {
      return Error(mci::kInternal);
    }
  } else if (device.ended) {
    // At the end, play starts the file again.
    gst_element_seek_simple(device.playbin.get(), GST_FORMAT_TIME, GST_SEEK_FLAG_FLUSH, 0);
  }
  device.ended = false;
  if (gst_element_set_state(device.playbin.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
    return Error(mci::kInternal);
  }
  return Done();
}

MciReply GstMediaDevice::Set(Device& device, const std::vector<std::string>& words) {
  if (words.size() < 2 || words[0] != "time" || words[1] != "format") {
    return Error(words.empty() ? mci::kMissingParameter : mci::kUnrecognizedKeyword);
  }
  if (words.size() != 3)
    return Error(words.size() < 3 ? mci::kMissingParameter : mci::kUnrecognizedKeyword);
  if (words[2] == "ms" || words[2] == "milliseconds") {
    device.format = TimeFormat::Milliseconds;
  } else if (words[2] == "frames") {
    device.format = TimeFormat::Frames;
  } else {
    return Error(mci::kBadTimeFormat);
  }
  return Done();
}

MciReply GstMediaDevice::Status(Device& device, const std::vector<std::string>& words) {
  if (words.empty()) return Error(mci::kMissingParameter);
  if (words.size() > 2 || (words.size() == 2 && words[1] != "wait")) {
    return Error(mci::kUnrecognizedKeyword);
  }
  if (words[0] == "length") return Done(std::to_string(device.ToUnits(device.Duration())));
  if (words[0] != "position") return Error(mci::kUnrecognizedKeyword);
  gint64 position = 0;
  if (!gst_element_query_position(device.playbin.get(), GST_FORMAT_TIME, &position)) position = 0;
  return Done(std::to_string(device.ToUnits(position)));
}

}  // namespace tarravelle
