#include "player/media_engine.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "ports/media_control.h"

namespace tarravelle {
namespace {

constexpr std::size_t kLengthBuffer = 128;
constexpr std::size_t kPositionBuffer = 40;

// Minutes and seconds: two digits, and "00" for anything not above 0.
std::string TwoDigits(long long value) {
  if (value <= 0) return "00";
  if (value < 10) return "0" + std::to_string(value);
  return std::to_string(value);
}

std::int32_t Wrap32(long long value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace

std::string FormatTime(std::int32_t milliseconds) {
  const auto seconds = static_cast<long long>(std::nearbyint(milliseconds / 1000.0));
  const long long hours = seconds / 3600;
  const long long rest = seconds % 3600;
  std::string text = hours > 0 ? std::to_string(hours) + ":" : "";
  return text + TwoDigits(rest / 60) + ":" + TwoDigits(rest % 60);
}

std::optional<std::int32_t> LeadingNumber(std::string_view reply) {
  size_t end = 0;
  if (end < reply.size() && (reply[end] == '-' || reply[end] == '+')) ++end;
  const size_t digits = end;
  while (end < reply.size() && std::isdigit(static_cast<unsigned char>(reply[end]))) ++end;
  if (end < reply.size() && reply[end] == '.') {
    ++end;
    while (end < reply.size() && std::isdigit(static_cast<unsigned char>(reply[end]))) ++end;
  }
  if (end == digits || (end == digits + 1 && reply[digits] == '.')) return std::nullopt;
  const double value =
      std::nearbyint(std::strtod(std::string(reply.substr(0, end)).c_str(), nullptr));
  if (value >= std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  if (value <= std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

std::string MediaEngine::Send(const std::string& command, std::size_t bufferSize) {
  MciReply reply = device_.SendString(command);
  if (bufferSize == 0) return {};
  // The reply ends at its first NUL, and at most a buffer's worth less its terminator is kept.
  std::string text = reply.text.substr(0, reply.text.find('\0'));
  if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
  return text;
}

void MediaEngine::OpenMedia(std::function<void(const MciReply&)> done) {
  if (MediaFile.empty()) {
    done({});
    return;
  }
  Opening = true;
  const unsigned ticket = ++openTicket_;
  device_.SendStringNotify("open " + MediaFile + " type MPEGVideo",
                           [this, ticket, done = std::move(done)](MciReply reply) {
                             if (ticket != openTicket_) return;
                             Opening = false;
                             done(reply);
                           });
}

void MediaEngine::PlayMedia(PlayerLabels& labels) {
  if (MediaFile.empty()) return;
  Send("play " + MediaFile);
  IsPlaying = true;
  labels.SetCaption("[ Playing ]");
}

void MediaEngine::PauseMedia(PlayerLabels& labels) {
  if (!IsPlaying) return;
  Send("pause " + MediaFile);
  IsPlaying = false;
  labels.SetCaption("[ Paused ]");
}

void MediaEngine::StopMedia(PlayerLabels& labels) {
  if (!IsPlaying) return;
  Send("stop " + MediaFile);
  IsPlaying = false;
  labels.SetCaption("[ Stoped ]");
}

void MediaEngine::CloseMedia(PlayerLabels& labels) {
  if (!IsPlaying) return;
  Send("close " + MediaFile);
  IsPlaying = false;
  labels.SetCaption("[ No Media ]");
  ShowProgress(labels);
}

void MediaEngine::ReleaseMedia() {
  ++openTicket_;
  Opening = false;
  if (MediaFile.empty()) return;
  Send("close " + MediaFile);
  IsPlaying = false;
}

void MediaEngine::SkipForward() { Skip(+1); }
void MediaEngine::SkipBack() { Skip(-1); }

void MediaEngine::Skip(int direction) {
  if (!IsPlaying) return;
  Send("set " + MediaFile + " time format milliseconds");
  const auto position =
      LeadingNumber(Send("status " + MediaFile + " position wait", kPositionBuffer));
  // Without a position there is nowhere to skip from: nothing further is sent.
  if (!position) return;
  const std::int32_t step = Wrap32(static_cast<long long>(SkipSeconds) * 1000);
  // Near either end the skip stops at that end rather than asking for a place that is not there.
  long long target = static_cast<long long>(*position) + direction * static_cast<long long>(step);
  if (TotalMs > 0) target = std::min<long long>(target, TotalMs);
  target = std::max<long long>(target, 0);
  Send("play " + MediaFile + " from " + std::to_string(Wrap32(target)));
  IsPlaying = true;
  Send("set " + MediaFile + " time format frames");
}

void MediaEngine::ReadTimeLength() {
  Send("set " + MediaFile + " time format ms");
  const std::string reply = Send("status " + MediaFile + " length", kLengthBuffer);
  Send("set " + MediaFile + " time format frames");
  TotalMs = LeadingNumber(reply).value_or(0);
}

void MediaEngine::ReadFrameLength() {
  TotalFrames = LeadingNumber(Send("status " + MediaFile + " length", kLengthBuffer)).value_or(0);
}

void MediaEngine::ShowProgress(PlayerLabels& labels) {
  labels.SetTotalTime("Total Time: " + FormatTime(TotalMs));
  labels.SetTotalFrames("Total Frm: " + std::to_string(TotalFrames));
  labels.SetCurrentFrame("Current Frm: " +
                         Send("status " + MediaFile + " position", kPositionBuffer));
}

}  // namespace tarravelle
