#include "platform/gst_media_device.h"

#include <cmath>
#include <utility>

#include "platform/gst_player.h"

namespace tarravelle {
namespace {

MciReply Error(int code) { return {code, {}}; }
MciReply Done(std::string text = {}) { return {0, std::move(text)}; }

MciReply Refused(const GstPlayer::Failure& failure) {
  return {failure.internal ? mci::kInternal : mci::kInvalidFile, failure.why};
}

}  // namespace

GstMediaDevice::GstMediaDevice() : GstMediaDevice(Options{}) {}

GstMediaDevice::GstMediaDevice(Options options) : options_(options) {}

GstMediaDevice::~GstMediaDevice() {
  devices_.clear();
  if (starting_.joinable()) starting_.join();
}

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
    if (GstPlugin* plugin = gst_registry_find_plugin(registry, name)) {
      gst_registry_remove_plugin(registry, plugin);
      gst_object_unref(plugin);
    }
  }
}

std::int64_t GstMediaDevice::Device::ToUnits(std::int64_t ns) const {
  if (ns < 0) return 0;
  if (format == TimeFormat::Milliseconds) return ns / GST_MSECOND;
  return static_cast<std::int64_t>(
      std::floor(static_cast<double>(ns) * player->FramesPerSecond() / GST_SECOND));
}

MciReply GstMediaDevice::SendString(const std::string& text) {
  const auto parsed = ParseMciCommand(text);
  if (const int* code = std::get_if<int>(&parsed)) return Error(*code);
  return Run(std::get<MciCommand>(parsed), nullptr);
}

void GstMediaDevice::SendStringNotify(const std::string& text, std::function<void(MciReply)> done) {
  const auto parsed = ParseMciCommand(text);
  if (const int* code = std::get_if<int>(&parsed)) return done(Error(*code));
  MciReply reply = Run(std::get<MciCommand>(parsed), &done);
  // An open under way has taken `done` and answers later.
  if (done) done(std::move(reply));
}

MciReply GstMediaDevice::Run(const MciCommand& command, std::function<void(MciReply)>* done) {
  Start();
  if (command.verb == "open") {
    Device* device = nullptr;
    if (MciReply started = StartOpen(command, device); !device) return started;
    const std::string name = command.device;
    if (done) {
      device->player->NotifyReady(
          [this, name, answer = std::exchange(*done, nullptr)](auto failure) {
            // A failed open is forgotten; the answer is the last thing done.
            if (failure) devices_.erase(name);
            answer(failure ? Refused(*failure) : Done());
          });
      return Done();
    }
    if (const auto failure = device->player->WaitReady()) {
      devices_.erase(name);
      return Refused(*failure);
    }
    return Done();
  }

  auto found = devices_.find(command.device);
  if (found == devices_.end()) return Error(mci::kInvalidDeviceName);
  Device& device = found->second;
  const auto& words = command.words;
  if (command.verb == "play") return Play(device, words);
  if (command.verb == "set") return Set(device, words);
  if (command.verb == "status") return Status(device, words);
  if (!words.empty()) return Error(mci::kUnrecognizedKeyword);
  if (command.verb == "pause" || command.verb == "stop") {
    // Both halt where play is and keep the device open.
    device.player->Pause();
    return Done();
  }
  // close
  devices_.erase(found);
  return Done();
}

MciReply GstMediaDevice::StartOpen(const MciCommand& command, Device*& opened) {
  const auto& words = command.words;
  const std::string& name = command.device;
  if (!words.empty() && (words.size() != 2 || words[0] != "type")) {
    return Error(mci::kUnrecognizedKeyword);
  }
  if (words.size() == 2 && words[1] != "mpegvideo") return Error(mci::kCannotLoadDriver);
  if (devices_.contains(name)) return Error(mci::kDeviceOpen);
  if (!g_file_test(name.c_str(), G_FILE_TEST_IS_REGULAR)) return Error(mci::kFileNotFound);
  auto player = std::make_unique<GstPlayer>(options_);
  if (const auto failure = player->Load(name)) return Refused(*failure);
  opened = &(devices_[name] = Device{std::move(player)});
  return Done();
}

MciReply GstMediaDevice::Play(Device& device, const std::vector<std::string>& words) {
  std::optional<std::int64_t> at;
  if (!words.empty()) {
    if (words[0] != "from") return Error(mci::kUnrecognizedKeyword);
    if (words.size() < 2) return Error(mci::kMissingParameter);
    if (words.size() > 2) return Error(mci::kUnrecognizedKeyword);
    long long from = 0;
    if (!ParseMciInteger(words[1], from)) return Error(mci::kBadInteger);
    // Compared in the caller's units, before any conversion: a huge number would overflow
    // nanoseconds and seek somewhere else entirely.
    const std::int64_t length = device.player->Length();
    const double nanoseconds =
        device.format == TimeFormat::Milliseconds
            ? static_cast<double>(from) * GST_MSECOND
            : static_cast<double>(from) * GST_SECOND / device.player->FramesPerSecond();
    if (from < 0 || nanoseconds >= static_cast<double>(G_MAXINT64) ||
        (length >= 0 && from > device.ToUnits(length))) {
      return Error(mci::kOutOfRange);
    }
    at = static_cast<std::int64_t>(std::llround(nanoseconds));
  }
  return device.player->Play(at) ? Done() : Error(mci::kInternal);
}

MciReply GstMediaDevice::Set(Device& device, const std::vector<std::string>& words) {
  if (words.size() < 2 || words[0] != "time" || words[1] != "format") {
    return Error(words.empty() ? mci::kMissingParameter : mci::kUnrecognizedKeyword);
  }
  if (words.size() != 3) {
    return Error(words.size() < 3 ? mci::kMissingParameter : mci::kUnrecognizedKeyword);
  }
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
  if (words[0] == "length") return Done(std::to_string(device.ToUnits(device.player->Length())));
  if (words[0] != "position") return Error(mci::kUnrecognizedKeyword);
  return Done(std::to_string(device.ToUnits(device.player->Position())));
}

}  // namespace tarravelle
