#include "platform/gst_player.h"

#include <cmath>
#include <utility>

namespace tarravelle {
namespace {

// How long a prerolled open waits for the tags that give a stream without a length one.
constexpr unsigned kTagWaitMs = 500;

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

// The display's plain video sinks draw from their own threads and never need this program's
// main loop.
GstElement* MakeVideoSink() {
  for (const char* name : {"xvimagesink", "ximagesink", "waylandsink", "glimagesink"}) {
    GstElement* sink = gst_element_factory_make(name, nullptr);
    if (!sink) continue;
    const bool works = gst_element_set_state(sink, GST_STATE_READY) == GST_STATE_CHANGE_SUCCESS;
    gst_element_set_state(sink, GST_STATE_NULL);
    // Handed over still floating, for the playbin to take.
    if (works) return sink;
    gst_object_unref(gst_object_ref_sink(sink));
  }
  // No display to show it on: the video still keeps its pace.
  GstElement* sink = gst_element_factory_make("fakesink", nullptr);
  g_object_set(sink, "sync", TRUE, nullptr);
  return sink;
}

}  // namespace

GstPlayer::~GstPlayer() {
  if (readyTimer_) g_source_remove(readyTimer_);
  if (busWatch_) g_source_remove(busWatch_);
  if (playbin_) gst_element_set_state(playbin_.get(), GST_STATE_NULL);
}

std::optional<GstPlayer::Failure> GstPlayer::Load(const std::string& path) {
  const GCharPtr uri(g_filename_to_uri(path.c_str(), nullptr, nullptr));
  GstElement* made = uri ? gst_element_factory_make("playbin", nullptr) : nullptr;
  if (!made) return Failure{.internal = true, .why = "no player could be made"};
  playbin_.reset(static_cast<GstElement*>(gst_object_ref_sink(made)));
  g_object_set(playbin_.get(), "uri", uri.get(), nullptr);
  if (options_.silent) {
    GstElement* audio = gst_element_factory_make("fakesink", nullptr);
    GstElement* video = gst_element_factory_make("fakesink", nullptr);
    g_object_set(audio, "sync", TRUE, nullptr);
    g_object_set(video, "sync", TRUE, nullptr);
    g_object_set(playbin_.get(), "audio-sink", audio, "video-sink", video, nullptr);
  } else {
    g_object_set(playbin_.get(), "video-sink", MakeVideoSink(), nullptr);
  }
  const GstObjectPtr<GstBus> bus(gst_element_get_bus(playbin_.get()));
  busWatch_ = gst_bus_add_watch(bus.get(), &GstPlayer::OnBusMessage, this);
  // The file is ready when it has prerolled: its length and frame rate are known from then on.
  if (gst_element_set_state(playbin_.get(), GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE) {
    return Failure{.why = "it is not media that can be played"};
  }
  return std::nullopt;
}

std::optional<GstPlayer::Failure> GstPlayer::WaitReady() {
  const GstObjectPtr<GstBus> bus(gst_element_get_bus(playbin_.get()));
  GstState state = GST_STATE_NULL;
  const GstStateChangeReturn ready =
      gst_element_get_state(playbin_.get(), &state, nullptr,
                            static_cast<GstClockTime>(options_.openTimeoutMs) * GST_MSECOND);
  if (ready != GST_STATE_CHANGE_SUCCESS && ready != GST_STATE_CHANGE_NO_PREROLL) {
    const GstMessagePtr failed{gst_bus_pop_filtered(bus.get(), GST_MESSAGE_ERROR)};
    return Failure{.why = ErrorText(failed.get())};
  }
  prerolled_ = true;
  ReadFrameRate();
  // The bit rate comes with the stream's tags, which may still be on their way.
  for (int tries = 0; tries < 10 && Length() <= 0; ++tries) {
    EstimateLength();
    if (Length() > 0) break;
    const GstMessagePtr tag(
        gst_bus_timed_pop_filtered(bus.get(), kTagWaitMs / 10 * GST_MSECOND, GST_MESSAGE_TAG));
  }
  return std::nullopt;
}

void GstPlayer::NotifyReady(std::function<void(std::optional<Failure>)> ready) {
  ready_ = std::move(ready);
  StartReadyTimer(options_.openTimeoutMs);
}

void GstPlayer::Answer(std::optional<Failure> failure) {
  if (!ready_) return;
  if (readyTimer_) g_source_remove(std::exchange(readyTimer_, 0));
  // The last thing done here: the answer may delete the player.
  std::exchange(ready_, nullptr)(std::move(failure));
}

bool GstPlayer::Play(std::optional<std::int64_t> at) {
  if (at) {
    if (!gst_element_seek_simple(
            playbin_.get(), GST_FORMAT_TIME,
            static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE), *at)) {
      return false;
    }
  } else if (ended_) {
    // At the end, play starts the file again.
    gst_element_seek_simple(playbin_.get(), GST_FORMAT_TIME, GST_SEEK_FLAG_FLUSH, 0);
  }
  ended_ = false;
  return gst_element_set_state(playbin_.get(), GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
}

void GstPlayer::Pause() { gst_element_set_state(playbin_.get(), GST_STATE_PAUSED); }

std::int64_t GstPlayer::Position() {
  gint64 position = 0;
  if (!gst_element_query_position(playbin_.get(), GST_FORMAT_TIME, &position)) return 0;
  return position;
}

std::int64_t GstPlayer::Length() {
  // Some parsers answer 0 while they do not know yet.
  if (length_ <= 0 && !gst_element_query_duration(playbin_.get(), GST_FORMAT_TIME, &length_)) {
    length_ = -1;
  }
  if (length_ <= 0 && estimatedLength_ < 0) EstimateLength();
  return length_ > 0 ? length_ : estimatedLength_;
}

// A stream without a length in its headers (an MP3 without a Xing or Info header) has none
// until it has been played a while; until then the file size and bit rate give one. A constant
// bit rate shows as equal least and greatest rates.
void GstPlayer::EstimateLength() {
  gint64 bytes = 0;
  GstTagList* found = nullptr;
  g_signal_emit_by_name(playbin_.get(), "get-audio-tags", 0, &found);
  const GstTagListPtr tags(found);
  if (!tags || !gst_element_query_duration(playbin_.get(), GST_FORMAT_BYTES, &bytes) ||
      bytes <= 0) {
    return;
  }
  guint least = 0, greatest = 0, average = 0;
  gst_tag_list_get_uint(tags.get(), GST_TAG_MINIMUM_BITRATE, &least);
  gst_tag_list_get_uint(tags.get(), GST_TAG_MAXIMUM_BITRATE, &greatest);
  gst_tag_list_get_uint(tags.get(), GST_TAG_BITRATE, &average);
  const guint rate = least > 0 && least == greatest ? least : average;
  if (rate > 0) {
    estimatedLength_ = gst_util_uint64_scale(static_cast<guint64>(bytes), 8 * GST_SECOND, rate);
  }
}

// The stream's frame rate once it has prerolled, when it has video.
void GstPlayer::ReadFrameRate() {
  gint videos = 0;
  g_object_get(playbin_.get(), "n-video", &videos, nullptr);
  if (videos <= 0) return;
  GstPad* found = nullptr;
  g_signal_emit_by_name(playbin_.get(), "get-video-pad", 0, &found);
  const GstObjectPtr<GstPad> pad(found);
  const GstCapsPtr caps(pad ? gst_pad_get_current_caps(pad.get()) : nullptr);
  gint numerator = 0, denominator = 1;
  if (caps &&
      gst_structure_get_fraction(gst_caps_get_structure(caps.get(), 0), "framerate", &numerator,
                                 &denominator) &&
      numerator > 0 && denominator > 0) {
    framesPerSecond_ = static_cast<double>(numerator) / denominator;
  }
}

void GstPlayer::StartReadyTimer(unsigned milliseconds) {
  if (readyTimer_) g_source_remove(readyTimer_);
  readyTimer_ = g_timeout_add(milliseconds, &GstPlayer::OnReadyTimer, this);
}

gboolean GstPlayer::OnReadyTimer(gpointer data) {
  auto* player = static_cast<GstPlayer*>(data);
  player->readyTimer_ = 0;
  if (player->prerolled_) {
    // Ready to play; the length may still come with the stream's tags later.
    player->Answer(std::nullopt);
  } else {
    player->Answer(Failure{.why = "it was still not ready to play after " +
                                  std::to_string(player->options_.openTimeoutMs / 1000) +
                                  " seconds"});
  }
  return G_SOURCE_REMOVE;
}

gboolean GstPlayer::OnBusMessage(GstBus*, GstMessage* message, gpointer data) {
  auto* player = static_cast<GstPlayer*>(data);
  switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS: player->ended_ = true; break;
    case GST_MESSAGE_ERROR: {
      std::string why = ErrorText(message);
      player->ended_ = true;
      if (player->ready_) {
        player->Answer(Failure{.why = std::move(why)});
        return G_SOURCE_CONTINUE;
      }
      g_warning("media playback: %s", why.c_str());
      break;
    }
    case GST_MESSAGE_DURATION_CHANGED: player->length_ = -1; break;
    case GST_MESSAGE_ASYNC_DONE:
      if (player->ready_ && !player->prerolled_ &&
          GST_MESSAGE_SRC(message) == GST_OBJECT(player->playbin_.get())) {
        player->prerolled_ = true;
        player->ReadFrameRate();
        if (player->Length() > 0) {
          player->Answer(std::nullopt);
          return G_SOURCE_CONTINUE;
        }
        // The bit rate for an estimated length comes with the stream's tags, which may still be
        // on their way: wait for them a little.
        player->StartReadyTimer(kTagWaitMs);
      }
      break;
    case GST_MESSAGE_TAG:
      if (player->ready_ && player->prerolled_ && player->Length() <= 0) {
        player->EstimateLength();
        if (player->Length() > 0) {
          player->Answer(std::nullopt);
          return G_SOURCE_CONTINUE;
        }
      }
      break;
    default: break;
  }
  return G_SOURCE_CONTINUE;
}

}  // namespace tarravelle
